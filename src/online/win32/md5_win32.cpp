#include <windows.h>

// After windows.h, whose types it uses.
#include <wincrypt.h>

#include "online/hex.h"
#include "online/md5.h"

namespace {

// Owns a CryptoAPI provider and hash object for the length of one digest.
struct CryptoProvider {
  HCRYPTPROV handle = 0;
  ~CryptoProvider() {
    if (handle) CryptReleaseContext(handle, 0);
  }
};
struct CryptoHash {
  HCRYPTHASH handle = 0;
  ~CryptoHash() {
    if (handle) CryptDestroyHash(handle);
  }
};

}  // namespace

std::string Md5Hex(std::string_view bytes) {
  CryptoProvider provider;
  CryptoHash hash;
  if (!CryptAcquireContextW(&provider.handle, nullptr, nullptr, PROV_RSA_FULL,
                            CRYPT_VERIFYCONTEXT) ||
      !CryptCreateHash(provider.handle, CALG_MD5, 0, 0, &hash.handle) ||
      !CryptHashData(hash.handle, reinterpret_cast<const BYTE*>(bytes.data()),
                     static_cast<DWORD>(bytes.size()), 0)) {
    return {};
  }
  BYTE digest[16];
  DWORD length = sizeof digest;
  if (!CryptGetHashParam(hash.handle, HP_HASHVAL, digest, &length, 0)) return {};
  return UpperHex(digest, length);
}
