"""The rest of what a user meets: the notification area and its menu, hiding, the automatic
start at logon, a second copy, feedback, the usage report, idling and impatient clicking."""

import subprocess
import time
import unittest
from urllib.parse import unquote_plus

from harness import (HOSTED_SIDE, SETTINGS_BUTTON, START_BUTTON, STOP_BUTTON, Program,
                     Screenshot, answer_message_box, artifact_path, click_tray_icon, dark_pixels,
                     message_box_text, post_window_message, press_keys, process_cpu_seconds,
                     type_text, visible_windows, wait_until)
from http_recorder import HttpRecorder, wordpress_error_page, wordpress_redirect
from test_main_job import ProgramCase

CLOSE_BUTTON = (321, 26)
FEEDBACK_BUTTON = (174, 359)
# The feedback popup's memo and OK button, placed in the main window's client coordinates.
SUGGESTION_MEMO = (174, 190)
SUGGESTION_OK = (280, 286)
SUGGESTION_CANCEL = (219, 286)
# btnSetting's area in the client: left, top, width, height.
SETTINGS_BUTTON_AREA = (242, 326, 86, 66)
STATS_PORT = 18081
SITE_PORT = 18082
# The most CPU an idle copy may take, as a share of one core.
IDLE_CPU_SHARE = 0.02


def main_window_shown():
    return bool(visible_windows("^Pelanto$"))


class TrayTest(ProgramCase):
    def open_menu(self):
        x, y = click_tray_icon("3")
        time.sleep(1.0)
        return x, y

    def check_mark_pixels(self, menu_at):
        # The first item's check-mark column, just right of and below the cursor.
        x, y = menu_at
        return dark_pixels(Screenshot(), x + 2, y + 3, 16, 16)

    def test_menu_item_starts_and_stops_sharing_and_shows_its_check_mark(self):
        self.with_autostart_on()
        program = self.program.start()
        menu_at = self.open_menu()
        unchecked = self.check_mark_pixels(menu_at)
        press_keys("Down", "Return")
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        self.settle()
        menu_at = self.open_menu()
        checked = self.check_mark_pixels(menu_at)
        self.assertGreater(checked, unchecked + 4, (checked, unchecked))
        press_keys("Down", "Return")
        self.assertTrue(program.wait_netcon(f"DisableSharing {HOSTED_SIDE}"))
        self.settle()
        menu_at = self.open_menu()
        self.assertLessEqual(self.check_mark_pixels(menu_at), unchecked + 2)
        press_keys("Escape")
        self.assertEqual(program.close(), 0)

    def test_menu_quit_ends_the_program(self):
        program = self.program.start()
        self.open_menu()
        press_keys("Up", "Return")  # the last item, "退出"
        self.assertEqual(program.process.wait(30), 0)
        self.assertIn("mode=disallow", program.netsh_log().splitlines()[-1])

    def test_close_hides_to_the_tray_and_a_click_on_the_icon_shows_again(self):
        program = self.program.start()
        program.click(CLOSE_BUTTON)
        self.assertTrue(wait_until(lambda: not main_window_shown(), 10))
        self.assertIsNone(program.process.poll())
        click_tray_icon("1")
        self.assertTrue(wait_until(main_window_shown, 10))
        self.assertEqual(program.close(), 0)


class IdleTest(ProgramCase):
    def cpu_share_over(self, seconds):
        before = process_cpu_seconds(self.program.folder)
        time.sleep(seconds)
        return (process_cpu_seconds(self.program.folder) - before) / seconds

    def test_still_home_screen_and_hidden_running_window_take_no_cpu(self):
        self.with_autostart_on()
        program = self.program.start()
        program.move_mouse_away()
        time.sleep(6)  # the home screen's arc comes to rest after five seconds
        home = self.cpu_share_over(5)
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        program.move_mouse_away()
        time.sleep(1)
        spinning = self.cpu_share_over(3)
        program.click(CLOSE_BUTTON)
        self.assertTrue(wait_until(lambda: not main_window_shown(), 10))
        time.sleep(1)
        hidden = self.cpu_share_over(5)
        print(f"\nCPU share of one core: home at rest {home:.3f}, spinner turning "
              f"{spinning:.3f}, hidden while sharing {hidden:.3f}")
        self.assertLess(home, IDLE_CPU_SHARE)
        self.assertLess(hidden, IDLE_CPU_SHARE)
        self.assertGreater(spinning, home)  # the measure can see work when there is some
        self.assertEqual(program.close(), 0)


    def test_open_feedback_popup_takes_no_cpu_and_a_hovered_bar_button_glows(self):
        program = self.program.start()
        program.move_mouse_away()
        time.sleep(6)
        x, y = program.origin()
        left, top, width, height = SETTINGS_BUTTON_AREA
        plain = Screenshot()
        program.hover(SETTINGS_BUTTON)
        time.sleep(0.5)
        hovered = Screenshot()
        hovered.crop_png(artifact_path("bottom-bar-button-hovered.png"), x + left - 20,
                         y + top - 20, width + 40, height + 40)
        lit = sum(1 for dx in range(width) for dy in range(height)
                  if plain.pixel(x + left + dx, y + top + dy) !=
                  hovered.pixel(x + left + dx, y + top + dy))
        self.assertGreater(lit, 100)  # the glow around the gear and the caption
        program.click(FEEDBACK_BUTTON)
        time.sleep(1.5)  # the popup slides in
        program.move_mouse_away()
        time.sleep(0.5)
        Screenshot().crop_png(artifact_path("feedback-popup-open.png"), x, y, 348, 413)
        popup = self.cpu_share_over(5)
        print(f"\nCPU share of one core with the feedback popup open: {popup:.3f}")
        self.assertLess(popup, IDLE_CPU_SHARE)
        program.click(SUGGESTION_CANCEL)
        time.sleep(1)
        self.assertEqual(program.close(), 0)


class StartupTest(ProgramCase):
    def test_auto_starts_hidden_with_sharing_on_and_no_dialog(self):
        self.program.arguments = ["-auto"]
        program = self.program.start(expect_window=False)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1", 40))
        time.sleep(1)
        self.assertFalse(main_window_shown())
        self.assertFalse(visible_windows("温馨提示|提示|Pelanto"))
        click_tray_icon("1")
        self.assertTrue(wait_until(main_window_shown, 10))
        self.assertEqual(program.close(), 0)

    def test_second_copy_is_refused_and_the_first_runs_on(self):
        first = self.program.start()
        second = Program()
        try:
            second.start(expect_window=False)
            self.assertTrue(answer_message_box("提示", "Return", keep_as="message-box.png"))
            self.assertEqual(second.process.wait(30), 0)
            self.assertEqual(len(visible_windows("^Pelanto$")), 1)
            self.assertIsNone(first.process.poll())
        finally:
            second.remove()
        self.assertEqual(first.close(), 0)


class OnlineTest(ProgramCase):
    def setUp(self):
        super().setUp()
        self.site = HttpRecorder(SITE_PORT)
        self.stats = HttpRecorder(STATS_PORT)

    def tearDown(self):
        super().tearDown()
        self.site.close()
        self.stats.close()

    def send_feedback(self, program, text=None):
        """Opens the popup, types the text into the memo unless None, and presses "确定"."""
        program.click(FEEDBACK_BUTTON)
        time.sleep(1.5)  # the popup slides in
        if text is not None:
            program.click(SUGGESTION_MEMO)
            type_text(text)
        program.click(SUGGESTION_OK)

    def test_feedback_is_posted_once_and_a_second_within_five_minutes_is_refused(self):
        # The site is WordPress: a taken comment is answered with a redirect to it.
        self.site.answers.append(wordpress_redirect(
            f"http://127.0.0.1:{SITE_PORT}/bbs/?page_id=2#comment-2"))
        program = self.program.start()
        self.send_feedback(program)  # the untouched placeholder
        hint = wait_until(lambda: message_box_text("温馨提示："), 15)
        self.assertIn("请先输入您的宝贵意见。", hint or "")
        self.assertTrue(answer_message_box("温馨提示：", "Return"))
        time.sleep(1.5)  # the popup slides out
        self.assertEqual(self.site.requests, [])

        self.send_feedback(program, "hello pelanto")
        self.assertTrue(wait_until(lambda: self.site.requests, 20))
        method, path, headers, body = self.site.requests[0]
        self.assertEqual((method, path), ("POST", "/bbs/wp-comments-post.php"))
        fields = dict(pair.split("=", 1) for pair in body.decode("ascii").split("&"))
        self.assertEqual(unquote_plus(fields["comment"], encoding="utf-8"), "hello pelanto")
        self.assertEqual(fields["comment_post_ID"], "2")
        time.sleep(1.5)  # the popup slides out
        self.assertIsNone(message_box_text("Pelanto"), "the redirect is the site's success")

        program.click(FEEDBACK_BUTTON)
        self.assertIn("反馈过于频繁", wait_until(lambda: message_box_text("温馨提示："), 15) or "")
        self.assertTrue(answer_message_box("温馨提示：", "Return"))
        time.sleep(1)
        self.assertEqual(len(self.site.requests), 1)
        self.assertEqual(program.close(), 0)

    def test_a_comment_the_site_refuses_shows_why(self):
        cases = [
            (wordpress_error_page("HTTP/1.0 200 OK",
                                  "<strong>Error:</strong> Please fill the required fields."),
             "Error: Please fill the required fields."),
            (wordpress_error_page("HTTP/1.0 429 Too Many Requests",
                                  "You are posting comments too quickly. Slow down."),
             "HTTP/1.0 429 Too Many Requests\r\nYou are posting comments too quickly. Slow down."),
        ]
        for answer, reason in cases:
            self.site.answers.append(answer)
            program = self.program.start()
            self.send_feedback(program, "hello pelanto")
            self.assertIn(reason, wait_until(lambda: message_box_text("Pelanto"), 20) or "")
            self.assertTrue(answer_message_box("Pelanto", "Return", exclude=[program.window]))
            self.assertEqual(program.close(), 0)

    def test_report_message_sends_the_usage_report(self):
        program = self.program.start()
        self.assertEqual(post_window_message(0x081B), 0)
        self.assertTrue(wait_until(lambda: len(self.stats.requests) >= 2, 20))
        self.assertEqual(self.stats.paths()[0], "GET /interface.php?s=/Count/getToken.html")
        self.assertEqual(self.stats.paths()[1], "POST /interface.php?s=/Count/sign.html")
        self.assertIn(b"&code=", self.stats.requests[1][3])
        self.assertEqual(program.close(), 0)


class SessionEndTest(ProgramCase):
    def test_end_of_the_session_stops_the_hotspot_and_switches_sharing_off(self):
        self.with_autostart_on()
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        commands = len(program.netsh_log().splitlines())
        self.assertEqual(post_window_message(0x0016, 1), 0)  # WM_ENDSESSION, ending
        self.assertTrue(program.wait_netcon(f"DisableSharing {HOSTED_SIDE}"))
        self.assertTrue(wait_until(lambda: len(program.netsh_log().splitlines()) == commands + 2))
        self.assertIn("mode=disallow", program.netsh_log().splitlines()[-1])
        # Quitting afterwards does not do it again.
        self.assertEqual(program.close(), 0)
        self.assertEqual(len(program.netsh_log().splitlines()), commands + 2)


class ClickStormTest(ProgramCase):
    def test_clicks_during_transitions_leave_a_working_program(self):
        self.with_autostart_on()
        program = self.program.start()
        for _ in range(6):
            program.click(START_BUTTON)
            time.sleep(0.15)
            program.click(STOP_BUTTON)
            time.sleep(0.15)
        time.sleep(4)
        self.assertIsNone(program.process.poll())
        self.assertFalse(visible_windows("Error|错误"))
        # Whatever screen it ended on, the buttons still work.
        program.click(STOP_BUTTON)
        time.sleep(2)
        program.click(START_BUTTON)
        time.sleep(2)
        self.assertIn(f"EnableSharing {HOSTED_SIDE} 1", program.netcon_log())
        self.assertEqual(program.close(), 0)


if __name__ == "__main__":
    unittest.main()
