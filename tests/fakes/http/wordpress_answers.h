#pragma once

// WordPress 6.1's answers to the comment post, served by php's built-in server (which answers
// an HTTP/1.0 request in HTTP/1.0 and ends the body by closing): the headers it writes and
// wp_die()'s "Comment Submission Failure" page, its long style block left out.

#include <string>
#include <string_view>

inline std::string WordPressHead(std::string_view statusLine) {
  return std::string(statusLine) +
         "\r\nHost: 127.0.0.1\r\nDate: Wed, 09 Dec 2026 20:00:00 GMT\r\nConnection: close\r\n"
         "X-Powered-By: PHP/8.2.7\r\nExpires: Wed, 11 Jan 1984 05:00:00 GMT\r\n"
         "Cache-Control: no-cache, must-revalidate, max-age=0\r\n";
}

inline std::string WordPressRedirect(std::string_view location) {
  return WordPressHead("HTTP/1.0 302 Found") +
         "X-Redirect-By: WordPress\r\nLocation: " + std::string(location) +
         "\r\nContent-type: text/html; charset=UTF-8\r\n\r\n";
}

// The page wp_die() writes around a message (given as HTML).
inline std::string WordPressErrorPage(std::string_view statusLine, std::string_view message) {
  return WordPressHead(statusLine) +
         "Content-Type: text/html; charset=utf-8\r\n\r\n"
         "<!DOCTYPE html>\n<html lang=\"en-US\">\n<head>\n"
         "\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
         "\t<meta name=\"viewport\" content=\"width=device-width\">\n"
         "\t\t<meta name='robots' content='max-image-preview:large, noindex, follow' />\n"
         "\t<title>Comment Submission Failure</title>\n"
         "\t<style type=\"text/css\">\n\t\t#error-page p { font-size: 14px; }\n\t</style>\n"
         "</head>\n<body id=\"error-page\">\n"
         "\t<div class=\"wp-die-message\"><p>" +
         std::string(message) +
         "</p></div>\n<p><a href='javascript:history.back()'>&laquo; Back</a></p></body>\n"
         "</html>\n";
}

inline const std::string kCommentTaken =
    WordPressRedirect("http://127.0.0.1/bbs/?page_id=2#comment-2");
inline const std::string kCommentAwaitsModeration = WordPressRedirect(
    "http://127.0.0.1/bbs/?page_id=2&unapproved=3&moderation-hash=9c1e0d3bb2d1e6f6a4b4#comment-3");
// Name and email required, the default setting: the form sends no email.
inline const std::string kCommentNeedsNameAndEmail = WordPressErrorPage(
    "HTTP/1.0 200 OK", "<strong>Error:</strong> Please fill the required fields.");
inline const std::string kCommentFlood = WordPressErrorPage(
    "HTTP/1.0 429 Too Many Requests", "You are posting comments too quickly. Slow down.");
inline const std::string kCommentDuplicate = WordPressErrorPage(
    "HTTP/1.0 409 Conflict",
    "Duplicate comment detected; it looks as though you&#8217;ve already said that!");
