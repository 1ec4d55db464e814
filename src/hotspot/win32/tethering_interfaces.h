#pragma once

// The Windows Runtime interfaces the Mobile Hotspot is driven through, declared with the
// published identifiers and method order (the vtable is the contract). Methods this program never
// calls are declared only to keep the later ones at their positions; their parameters are
// reduced to what keeps the slot (every slot is one pointer in the vtable).

#include <hstring.h>
#include <inspectable.h>
#include <windows.h>

#include <cstdint>

#include "common/stdcall_check.h"

namespace winrt_abi {

// Windows.Foundation.AsyncStatus
enum AsyncStatus : int32_t {
  AsyncStarted = 0,
  AsyncCompleted = 1,
  AsyncCanceled = 2,
  AsyncError = 3
};

inline constexpr IID IID_IAsyncInfo = {
    0x00000036, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
struct IAsyncInfo : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Id(UINT32* id) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Status(AsyncStatus* status) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ErrorCode(HRESULT* code) = 0;
  virtual HRESULT STDMETHODCALLTYPE Cancel() = 0;
  virtual HRESULT STDMETHODCALLTYPE Close() = 0;
};

struct IAsyncAction;
inline constexpr IID IID_IAsyncActionCompletedHandler = {
    0xA4ED5C81, 0x76C9, 0x40BD, {0x8B, 0xE6, 0xB1, 0xD9, 0x0F, 0xB2, 0x0A, 0xE7}};
struct IAsyncActionCompletedHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(IAsyncAction* operation, AsyncStatus status) = 0;
};

inline constexpr IID IID_IAsyncAction = {
    0x5A648006, 0x843A, 0x4DA9, {0x86, 0x5B, 0x9D, 0x26, 0xE5, 0xDF, 0xAD, 0x7B}};
struct IAsyncAction : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE put_Completed(IAsyncActionCompletedHandler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(IAsyncActionCompletedHandler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetResults() = 0;
};

// Windows.Networking.NetworkOperators
// TetheringCapability, TetheringOperationalState and TetheringOperationStatus are 32-bit
// enumerations; their values are those of the port's.

inline constexpr IID IID_INetworkOperatorTetheringOperationResult = {
    0xEBD203A1, 0x01BA, 0x476D, {0xB4, 0xB3, 0xBF, 0x3D, 0x12, 0xC8, 0xF8, 0x0C}};
struct INetworkOperatorTetheringOperationResult : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Status(int32_t* status) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* message) = 0;
};

struct ITetheringResultOperation;
// IAsyncOperationCompletedHandler<NetworkOperatorTetheringOperationResult>
inline constexpr IID IID_ITetheringResultCompletedHandler = {
    0xA936B927, 0x7537, 0x59C6, {0x89, 0xDE, 0x33, 0xF3, 0x6A, 0x97, 0x25, 0xAB}};
struct ITetheringResultCompletedHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(ITetheringResultOperation* operation,
                                           AsyncStatus status) = 0;
};

// IAsyncOperation<NetworkOperatorTetheringOperationResult>
inline constexpr IID IID_ITetheringResultOperation = {
    0x601B30ED, 0x9B7F, 0x54B6, {0xB6, 0x1B, 0x24, 0xA0, 0x9B, 0xC5, 0x63, 0x04}};
struct ITetheringResultOperation : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE put_Completed(ITetheringResultCompletedHandler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(ITetheringResultCompletedHandler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  GetResults(INetworkOperatorTetheringOperationResult** result) = 0;
};

inline constexpr IID IID_INetworkOperatorTetheringAccessPointConfiguration = {
    0x0BCC0284, 0x412E, 0x403D, {0xAC, 0xC6, 0xB7, 0x57, 0xE3, 0x47, 0x74, 0xA4}};
struct INetworkOperatorTetheringAccessPointConfiguration : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) = 0;
};

inline constexpr IID IID_INetworkOperatorTetheringManager = {
    0xD45A8DA0, 0x0E86, 0x4D98, {0x8B, 0xA4, 0xDD, 0x70, 0xD4, 0xB7, 0x64, 0xD3}};
struct INetworkOperatorTetheringManager : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TetheringOperationalState(int32_t* state) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentAccessPointConfiguration(
      INetworkOperatorTetheringAccessPointConfiguration** configuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  ConfigureAccessPointAsync(INetworkOperatorTetheringAccessPointConfiguration* configuration,
                            IAsyncAction** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE StartTetheringAsync(ITetheringResultOperation** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE StopTetheringAsync(ITetheringResultOperation** operation) = 0;
};

// Windows.Networking.Connectivity
inline constexpr IID IID_INetworkAdapter = {
    0x3B542E03, 0x5388, 0x496C, {0xA8, 0xA3, 0xAF, 0xFD, 0x39, 0xAE, 0xC2, 0xE6}};
struct INetworkAdapter : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_OutboundMaxBitsPerSecond(UINT64* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_InboundMaxBitsPerSecond(UINT64* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IanaInterfaceType(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_NetworkItem(IInspectable** value) = 0;  // not called
  virtual HRESULT STDMETHODCALLTYPE get_NetworkAdapterId(GUID* value) = 0;
};

inline constexpr IID IID_IConnectionProfile = {
    0x71BA143C, 0x598E, 0x49D0, {0x84, 0xEB, 0x8F, 0xEB, 0xAE, 0xDC, 0xC1, 0x95}};
struct IConnectionProfile : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_ProfileName(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNetworkConnectivityLevel(int32_t* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNetworkNames(IInspectable** value) = 0;    // not called
  virtual HRESULT STDMETHODCALLTYPE GetConnectionCost(IInspectable** value) = 0;  // not called
  virtual HRESULT STDMETHODCALLTYPE GetDataPlanStatus(IInspectable** value) = 0;  // not called
  virtual HRESULT STDMETHODCALLTYPE get_NetworkAdapter(INetworkAdapter** value) = 0;
};

// IVectorView<ConnectionProfile>
inline constexpr IID IID_IConnectionProfileVectorView = {
    0x6DB1B492, 0x3852, 0x5DF8, {0xA2, 0x9D, 0x69, 0x44, 0x00, 0x2F, 0x58, 0xD4}};
struct IConnectionProfileVectorView : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE GetAt(UINT32 index, IConnectionProfile** item) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) = 0;
};

inline constexpr IID IID_INetworkInformationStatics = {
    0x5074F851, 0x950D, 0x4165, {0x9C, 0x15, 0x36, 0x56, 0x19, 0x48, 0x1E, 0xEA}};
struct INetworkInformationStatics : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE
  GetConnectionProfiles(IConnectionProfileVectorView** profiles) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IConnectionProfile** profile) = 0;
};

inline constexpr IID IID_INetworkOperatorTetheringManagerStatics2 = {
    0x5B235412, 0x35F0, 0x49E7, {0x9B, 0x08, 0x16, 0xD2, 0x78, 0xFB, 0xAA, 0x42}};
struct INetworkOperatorTetheringManagerStatics2 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE
  GetTetheringCapabilityFromConnectionProfile(IConnectionProfile* profile, int32_t* capability) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(
      IConnectionProfile* profile, INetworkOperatorTetheringManager** manager) = 0;
};

inline constexpr wchar_t kTetheringManagerClass[] =
    L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager";
inline constexpr wchar_t kNetworkInformationClass[] =
    L"Windows.Networking.Connectivity.NetworkInformation";

// Every method of the interfaces above is __stdcall (checked where it matters: 32-bit x86).
static_assert(AllStdcall<&IAsyncInfo::get_Id, &IAsyncInfo::get_Status, &IAsyncInfo::get_ErrorCode,
                         &IAsyncInfo::Cancel, &IAsyncInfo::Close>);
static_assert(AllStdcall<&IAsyncActionCompletedHandler::Invoke>);
static_assert(AllStdcall<&IAsyncAction::put_Completed, &IAsyncAction::get_Completed,
                         &IAsyncAction::GetResults>);
static_assert(AllStdcall<&INetworkOperatorTetheringOperationResult::get_Status,
                         &INetworkOperatorTetheringOperationResult::get_AdditionalErrorMessage>);
static_assert(AllStdcall<&ITetheringResultCompletedHandler::Invoke>);
static_assert(
    AllStdcall<&ITetheringResultOperation::put_Completed, &ITetheringResultOperation::get_Completed,
               &ITetheringResultOperation::GetResults>);
static_assert(AllStdcall<&INetworkOperatorTetheringAccessPointConfiguration::get_Ssid,
                         &INetworkOperatorTetheringAccessPointConfiguration::put_Ssid,
                         &INetworkOperatorTetheringAccessPointConfiguration::get_Passphrase,
                         &INetworkOperatorTetheringAccessPointConfiguration::put_Passphrase>);
static_assert(AllStdcall<&INetworkOperatorTetheringManager::get_MaxClientCount,
                         &INetworkOperatorTetheringManager::get_ClientCount,
                         &INetworkOperatorTetheringManager::get_TetheringOperationalState,
                         &INetworkOperatorTetheringManager::GetCurrentAccessPointConfiguration,
                         &INetworkOperatorTetheringManager::ConfigureAccessPointAsync,
                         &INetworkOperatorTetheringManager::StartTetheringAsync,
                         &INetworkOperatorTetheringManager::StopTetheringAsync>);
static_assert(AllStdcall<&INetworkAdapter::get_OutboundMaxBitsPerSecond,
                         &INetworkAdapter::get_InboundMaxBitsPerSecond,
                         &INetworkAdapter::get_IanaInterfaceType, &INetworkAdapter::get_NetworkItem,
                         &INetworkAdapter::get_NetworkAdapterId>);
static_assert(
    AllStdcall<&IConnectionProfile::get_ProfileName,
               &IConnectionProfile::GetNetworkConnectivityLevel,
               &IConnectionProfile::GetNetworkNames, &IConnectionProfile::GetConnectionCost,
               &IConnectionProfile::GetDataPlanStatus, &IConnectionProfile::get_NetworkAdapter>);
static_assert(
    AllStdcall<&IConnectionProfileVectorView::GetAt, &IConnectionProfileVectorView::get_Size>);
static_assert(AllStdcall<&INetworkInformationStatics::GetConnectionProfiles,
                         &INetworkInformationStatics::GetInternetConnectionProfile>);
static_assert(
    AllStdcall<
        &INetworkOperatorTetheringManagerStatics2::GetTetheringCapabilityFromConnectionProfile,
        &INetworkOperatorTetheringManagerStatics2::CreateFromConnectionProfile>);

}  // namespace winrt_abi
