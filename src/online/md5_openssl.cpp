#include <openssl/evp.h>

#include "online/hex.h"
#include "online/md5.h"

std::string Md5Hex(std::string_view bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr);
  return UpperHex(digest, length);
}
