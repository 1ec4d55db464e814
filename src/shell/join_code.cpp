// The join QR code on the running screen.
#include "qrimg/qrdrw.h"
#include "shell/untMain.h"

void TzenTuraMain::ShowQrCode(std::string_view payload) {
  const std::string terminated(payload);
  const uint8_t* image = nullptr;
  int32_t byteCount = 0;
  qrdrw(terminated.c_str(), &image, &byteCount, 1, 4, 5, 0);
  // No image keeps the last code; the buffer is the library's, so it is copied at once.
  if (!image || byteCount <= 0) return;
  ports_.view.LoadQrImage(std::vector<uint8_t>(image, image + byteCount));
}

void TzenTuraMain::label_QcodeClick() {
  ports_.view.StopSpinner();
  ports_.view.ShowQrPanel();
}

void TzenTuraMain::lyQcodeClick() {
  ports_.view.HideQrPanel();
  ports_.view.StartSpinner();
}
