"""Windows 8 to 11 and other display languages: the hosted network's adapter by its newer name,
netsh's failures in other wordings, and the WLAN API's word on what really runs."""

import time
import unittest

from harness import (START_BUTTON, answer_message_box, message_text, visible_windows,
                     wait_until)
from test_main_job import ProgramCase

ETHERNET = "{11111111-0000-0000-0000-000000000010}"
HOSTED = "{33333333-0000-0000-0000-000000000001}"
WIFI_DIRECT = "{33333333-0000-0000-0000-000000000002}"
# The connections as Windows 10 names them, the hosted network's adapter first.
WINDOWS_10 = (
    f"connection|{HOSTED}|本地连接* 2|Microsoft Hosted Network Virtual Adapter|2|3|0|off|0\n"
    f"connection|{WIFI_DIRECT}|本地连接* 3|Microsoft Wi-Fi Direct Virtual Adapter #2|2|3|0|off|0\n"
    f"connection|{ETHERNET}|以太网|Realtek PCIe GbE Family Controller|2|3|0|off|0\n")

NO_ADAPTER = "很遗憾，您没有无线网卡或还没有安装好网卡驱动，无法开启wifi共享！！"
SERVICE_STOPPED = "无线网络服务（WLAN AutoConfig）没有运行，请启动该服务后重新打开本程序。"
NO_HOSTED_NETWORK = "您的无线网卡驱动不支持承载网络，无法开启wifi共享！！"


class WindowsTenTest(ProgramCase):
    world = WINDOWS_10

    def test_one_click_shares_ethernet_with_the_hosted_adapter_and_leaves_wifi_direct(self):
        self.with_autostart_on()
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED} 1"))
        self.assertIn(f"EnableSharing {ETHERNET} 0", program.netcon_log())
        self.assertNotIn(WIFI_DIRECT, program.netcon_log())
        self.assertEqual(program.close(), 0)
        self.assertNotIn(WIFI_DIRECT, program.netcon_log())


class HostedNetworkStateTest(ProgramCase):
    """netsh in English or Traditional Chinese: no marker the program knows, so the WLAN API's
    state decides."""

    def start_with(self, wlan, wordings):
        self.with_autostart_on()
        self.program.wlan = wlan
        for command, wording in wordings.items():
            self.program.netsh_says(command, wording)
        program = self.program.start()
        program.click(START_BUTTON)
        return program

    def expect_message(self, program, text):
        self.assertTrue(wait_until(lambda: message_text("温馨提示：") == text, 15),
                        message_text("温馨提示："))
        self.assertTrue(answer_message_box("温馨提示：", "Return"))
        time.sleep(1)
        self.assertNotIn("EnableSharing", program.netcon_log())  # the running screen never came
        self.assertEqual(program.close(), 0)

    def test_english_failure_with_the_network_idle_tells_of_no_adapter(self):
        program = self.start_with("idle", {"start": "en-could-not-start"})
        self.expect_message(program, NO_ADAPTER)

    def test_the_network_active_starts_sharing_whatever_netsh_says(self):
        program = self.start_with("active", {"start": "zh-TW-could-not-start"})
        self.assertTrue(program.wait_netcon("EnableSharing"))
        self.assertEqual(visible_windows("^温馨提示：$"), [])
        self.assertEqual(program.close(), 0)

    def test_each_known_cause_has_its_message(self):
        cases = [("service-stopped", {"allow": "en-not-running"}, SERVICE_STOPPED),
                 ("no-interface", {"start": "zh-CN-could-not-start"}, NO_ADAPTER),
                 ("unavailable", {"start": "zh-TW-could-not-start"}, NO_HOSTED_NETWORK)]
        for wlan, wordings, text in cases:
            with self.subTest(wlan=wlan):
                program = self.start_with(wlan, wordings)
                self.expect_message(program, text)
                self.program.remove()
                self.setUp()


if __name__ == "__main__":
    unittest.main()
