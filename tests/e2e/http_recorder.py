"""A loopback HTTP server that keeps what it got and answers with scripted answers in turn,
then with an empty 200; and WordPress's answers to a comment post."""

import http.server
import threading

WORDPRESS_HEAD = ("{status}\r\nHost: 127.0.0.1\r\nConnection: close\r\nX-Powered-By: PHP/8.2.7\r\n"
                  "Expires: Wed, 11 Jan 1984 05:00:00 GMT\r\n"
                  "Cache-Control: no-cache, must-revalidate, max-age=0\r\n")


def wordpress_redirect(location):
    """WordPress 6.1 sending the commenter on to the new comment."""
    return (WORDPRESS_HEAD.format(status="HTTP/1.0 302 Found") + "X-Redirect-By: WordPress\r\n"
            f"Location: {location}\r\nContent-type: text/html; charset=UTF-8\r\n\r\n").encode()


def wordpress_error_page(status, message):
    """wp_die()'s "Comment Submission Failure" page around a message (HTML), style left out."""
    return (WORDPRESS_HEAD.format(status=status) +
            "Content-Type: text/html; charset=utf-8\r\n\r\n<!DOCTYPE html>\n<html lang=\"en-US\">\n"
            "<head>\n\t<title>Comment Submission Failure</title>\n</head>\n"
            f"<body id=\"error-page\">\n\t<div class=\"wp-die-message\"><p>{message}</p></div>\n"
            "<p><a href='javascript:history.back()'>&laquo; Back</a></p></body>\n</html>\n").encode()


class HttpRecorder:
    def __init__(self, port, answers=()):
        self.requests = []  # (method, path, headers text, body bytes)
        self.answers = list(answers)  # raw answers, each followed by closing the connection
        recorder = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def handle_one(self):
                length = int(self.headers.get("Content-Length") or 0)
                body = self.rfile.read(length) if length else b""
                recorder.requests.append((self.command, self.path, str(self.headers), body))
                if recorder.answers:
                    self.wfile.write(recorder.answers.pop(0))
                    self.close_connection = True
                    return
                self.send_response(200)
                self.send_header("Content-Length", "0")
                self.end_headers()

            do_GET = do_POST = handle_one

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.server.daemon_threads = True
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def paths(self):
        return [f"{method} {path}" for method, path, _, _ in self.requests]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
