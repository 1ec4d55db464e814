#include <gtest/gtest.h>

#include "sharing/NTFireWall.h"
#include "sharing/com_error.h"
#include "sharing/guid_text.h"

TEST(MediaTypeName, NamesEveryRowAndWritesOtherValuesAsDecimal) {
  EXPECT_EQ(MediaTypeName(0), L"NCM_NONE");
  EXPECT_EQ(MediaTypeName(3), L"NCM_LAN");
  EXPECT_EQ(MediaTypeName(7), L"NCM_BRIDGE");
  EXPECT_EQ(MediaTypeName(9), L"NCM_SHAREDACCESSHOST_RAS");
  EXPECT_EQ(MediaTypeName(10), L"10");
  EXPECT_EQ(MediaTypeName(0xFFFFFFFFu), L"4294967295");
}

TEST(CharacteristicName, MatchesWholeValuesOnly) {
  EXPECT_EQ(CharacteristicName(0), L"NCCF_NONE");
  EXPECT_EQ(CharacteristicName(0x20), L"NCCF_INCOMING_ONLY");
  EXPECT_EQ(CharacteristicName(0x800), L"NCCF_DEFAULT");
  EXPECT_EQ(CharacteristicName(0x30), L"48");
  EXPECT_EQ(CharacteristicName(0x21), L"33");
  EXPECT_EQ(CharacteristicName(0x1000), L"4096");
}

TEST(GuidText, IsBracedUpperCaseWithLeadingZeros) {
  EXPECT_EQ(GuidText(IID_INetConnection), L"{C08956A1-1CD3-11D1-B1C5-00805FC1270E}");
  const GUID small = {0x0000000A, 0x000B, 0x00C0, {0, 1, 2, 3, 4, 5, 6, 0xEF}};
  EXPECT_EQ(GuidText(small), L"{0000000A-000B-00C0-0001-0203040506EF}");
}

TEST(OleCheck, RaisesOnlyNegativeResultsWithTheirCode) {
  EXPECT_NO_THROW(OleCheck(S_OK));
  EXPECT_NO_THROW(OleCheck(S_FALSE));
  try {
    OleCheck(REGDB_E_CLASSNOTREG);
    FAIL() << "no error";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Code(), REGDB_E_CLASSNOTREG);
    // No system message table here, so the fallback text.
    EXPECT_EQ(error.Message(), L"OLE error 80040154");
  }
  EXPECT_EQ(ComErrorMessage(static_cast<HRESULT>(0x8000000Au)), L"OLE error 8000000a");
}
