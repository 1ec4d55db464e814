"""Windows' Mobile Hotspot where the driver has no hosted network (as the fake WLAN API says): the
fake tethering classes registered as Windows Runtime classes of the prefix."""

import os
import time

from harness import (QR_BADGE, QR_IMAGE, QR_PANEL, START_BUTTON, STOP_BUTTON, Program,
                     answer_message_box, decode_qr, first_message_box, reg_delete_key, reg_set,
                     visible_windows, wait_until, windows_path)
from test_main_job import ProgramCase

TETHERING_DLL = os.environ.get("PELANTO_TETHERING_DLL", "")
CLASSES_KEY = r"HKLM\Software\Microsoft\WindowsRuntime\ActivatableClassId"
CLASSES = ("Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager",
           "Windows.Networking.Connectivity.NetworkInformation")
CONFIGURED = "configure ssid=ZENTURA passphrase=5831027469"


class HotspotProgram(Program):
    """The program with the fake tethering classes registered and scripted by `tethering`."""

    def __init__(self, tethering, hosted_network_works=False, **kwargs):
        super().__init__(**kwargs)
        self.tethering = dict(tethering)
        self.tethering_log = os.path.join(self.folder, "tethering.txt")
        for name in CLASSES:
            key = CLASSES_KEY + "\\" + name
            reg_set(key, "DllPath", windows_path(TETHERING_DLL))
            reg_set(key, "ActivationType", "0", "REG_DWORD")
            reg_set(key, "Threading", "0", "REG_DWORD")
        if not hosted_network_works:
            self.wlan = "unavailable"

    def environment(self):
        env = super().environment()
        env["PELANTO_FAKE_TETHERING_LOG"] = windows_path(self.tethering_log)
        for name, value in self.tethering.items():
            env["PELANTO_FAKE_TETHERING_" + name] = value
        return env

    def calls(self):
        if not os.path.exists(self.tethering_log):
            return []
        return open(self.tethering_log, encoding="utf-8").read().splitlines()

    def wait_calls(self, *expected, seconds=20):
        return wait_until(lambda: self.calls() == list(expected), seconds)

    def remove(self):
        super().remove()
        for name in CLASSES:
            reg_delete_key(CLASSES_KEY + "\\" + name)


class MobileHotspotCase(ProgramCase):
    tethering = {}
    hosted_network_works = False

    def setUp(self):
        super().setUp()
        self.program.remove()
        self.program = HotspotProgram(self.tethering, self.hosted_network_works)
        self.with_autostart_on()


class MobileHotspotTest(MobileHotspotCase):
    def test_start_shows_the_join_code_stop_stops_and_quitting_stops_before_netsh(self):
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(program.wait_calls(CONFIGURED, "start"), program.calls())
        self.settle()
        program.click(QR_BADGE)
        self.settle()
        x, y = program.origin()
        left, top, width, height = QR_IMAGE
        crop = os.path.join(self.shots, "qr-crop.png")
        self.shot("qr").crop_png(crop, x + left - 10, y + top - 10, width + 20, height + 20)
        self.assertEqual(decode_qr(crop), b"WIFI:T:WPA2;P:5831027469;S:ZENTURA;")
        program.click(QR_PANEL)
        self.settle()

        program.click(STOP_BUTTON)
        self.assertTrue(program.wait_calls(CONFIGURED, "start", "stop"), program.calls())
        self.settle()
        program.click(START_BUTTON)
        self.assertTrue(program.wait_calls(CONFIGURED, "start", "stop", CONFIGURED, "start"))
        netsh_before_quit = len(program.netsh_log().splitlines())
        self.assertEqual(program.close(), 0)
        self.assertEqual(program.calls()[-1], "stop")
        self.assertEqual(program.netsh_log().splitlines()[netsh_before_quit:],
                         ["netsh wlan stop hostednetwork",
                          "netsh wlan set hostednetwork mode=disallow"])
        self.assertEqual(program.netcon_log(), "", "no connection is shared")

    def test_auto_starts_it_hidden_without_a_dialog(self):
        self.program.arguments = ["-auto"]
        program = self.program.start(expect_window=False)
        self.assertTrue(program.wait_calls(CONFIGURED, "start", seconds=40), program.calls())
        time.sleep(1)
        self.assertFalse(visible_windows("^Pelanto$|温馨提示"))
        self.assertEqual(program.close(), 0)


class WiFiOffTest(MobileHotspotCase):
    tethering = {"START_STATUS": "3"}

    def test_a_failed_start_shows_its_status_in_the_error_box(self):
        program = self.program.start()
        program.click(START_BUTTON)
        # The standard error box ends a message with a full stop.
        self.assertEqual(wait_until(first_message_box, 20), ("Pelanto", "无法开启移动热点：WiFiDeviceOff."))
        self.assertTrue(answer_message_box("Pelanto", "Return"))
        self.assertEqual(program.calls(), [CONFIGURED, "start"])
        self.assertEqual(program.close(), 0)


class NotCapableTest(MobileHotspotCase):
    tethering = {"CAPABILITY": "1"}  # disabled by group policy

    def test_the_hosted_networks_message_is_shown_and_nothing_is_started(self):
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertEqual(wait_until(first_message_box, 20),
                         ("温馨提示：", "您的无线网卡驱动不支持承载网络，无法开启wifi共享！！"))
        self.assertTrue(answer_message_box("温馨提示：", "Return"))
        self.assertEqual(program.calls(), [])
        self.assertEqual(program.close(), 0)


class HostedNetworkWorksTest(MobileHotspotCase):
    hosted_network_works = True

    def test_the_mobile_hotspot_is_never_used(self):
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon("EnableSharing"))
        self.assertEqual(program.close(), 0)
        self.assertEqual(program.calls(), [])
