#pragma once

// The Task Scheduler interfaces the logon task needs, declared with the published identifiers
// and method order (the vtable is the contract). Methods this program never calls are declared
// only to keep the later ones at their positions; interfaces it only receives and releases are
// declared without methods.

#include <windows.h>
// The COM headers need windows.h first.
#include <oaidl.h>
#include <objbase.h>

#include "common/stdcall_check.h"

inline constexpr CLSID CLSID_TaskScheduler = {
    0x0F87369F, 0xA4E5, 0x4CFC, {0xBD, 0x3E, 0x73, 0xE6, 0x15, 0x45, 0x72, 0xDD}};
inline constexpr IID IID_ITaskService = {
    0x2FABA4C7, 0x4DA9, 0x4013, {0x96, 0x97, 0x20, 0xCC, 0x3F, 0xD4, 0x0F, 0x85}};
inline constexpr IID IID_ITaskFolder = {
    0x8CFAC062, 0xA080, 0x4C15, {0x9A, 0x88, 0xAA, 0x7C, 0x2A, 0xF8, 0x0D, 0xFC}};

// TASK_CREATION and TASK_LOGON_TYPE values.
inline constexpr LONG TASK_CREATE_OR_UPDATE = 6;
using TASK_LOGON_TYPE = int;
inline constexpr TASK_LOGON_TYPE TASK_LOGON_INTERACTIVE_TOKEN = 3;

struct IRegisteredTask : IDispatch {};
struct IRegisteredTaskCollection : IDispatch {};
struct IRunningTaskCollection : IDispatch {};
struct ITaskDefinition : IDispatch {};
struct ITaskFolderCollection : IDispatch {};

struct ITaskFolder : IDispatch {
  // Name, path and sub-folders: not called.
  virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Path(BSTR* path) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFolder(BSTR path, ITaskFolder** folder) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFolders(LONG flags, ITaskFolderCollection** folders) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFolder(BSTR name, VARIANT sddl, ITaskFolder** folder) = 0;
  virtual HRESULT STDMETHODCALLTYPE DeleteFolder(BSTR name, LONG flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTask(BSTR path, IRegisteredTask** task) = 0;  // not called
  virtual HRESULT STDMETHODCALLTYPE GetTasks(LONG flags,
                                             IRegisteredTaskCollection** tasks) = 0;  // not called
  virtual HRESULT STDMETHODCALLTYPE DeleteTask(BSTR name, LONG flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE RegisterTask(BSTR path, BSTR xml, LONG flags, VARIANT user,
                                                 VARIANT password, TASK_LOGON_TYPE logonType,
                                                 VARIANT sddl, IRegisteredTask** task) = 0;
  // Definitions and security: not called.
  virtual HRESULT STDMETHODCALLTYPE RegisterTaskDefinition(BSTR path, ITaskDefinition* definition,
                                                           LONG flags, VARIANT user,
                                                           VARIANT password,
                                                           TASK_LOGON_TYPE logonType, VARIANT sddl,
                                                           IRegisteredTask** task) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSecurityDescriptor(LONG information, BSTR* sddl) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetSecurityDescriptor(BSTR sddl, LONG flags) = 0;
};

struct ITaskService : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetFolder(BSTR path, ITaskFolder** folder) = 0;
  // Running tasks and new definitions: not called.
  virtual HRESULT STDMETHODCALLTYPE GetRunningTasks(LONG flags, IRunningTaskCollection** tasks) = 0;
  virtual HRESULT STDMETHODCALLTYPE NewTask(DWORD flags, ITaskDefinition** definition) = 0;
  virtual HRESULT STDMETHODCALLTYPE Connect(VARIANT server, VARIANT user, VARIANT domain,
                                            VARIANT password) = 0;
  // The connection's facts: not called.
  virtual HRESULT STDMETHODCALLTYPE get_Connected(VARIANT_BOOL* connected) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TargetServer(BSTR* server) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ConnectedUser(BSTR* user) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ConnectedDomain(BSTR* domain) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HighestVersion(DWORD* version) = 0;
};

static_assert(
    AllStdcall<&ITaskFolder::get_Name, &ITaskFolder::get_Path, &ITaskFolder::GetFolder,
               &ITaskFolder::GetFolders, &ITaskFolder::CreateFolder, &ITaskFolder::DeleteFolder,
               &ITaskFolder::GetTask, &ITaskFolder::GetTasks, &ITaskFolder::DeleteTask,
               &ITaskFolder::RegisterTask, &ITaskFolder::RegisterTaskDefinition,
               &ITaskFolder::GetSecurityDescriptor, &ITaskFolder::SetSecurityDescriptor>);
static_assert(
    AllStdcall<&ITaskService::GetFolder, &ITaskService::GetRunningTasks, &ITaskService::NewTask,
               &ITaskService::Connect, &ITaskService::get_Connected,
               &ITaskService::get_TargetServer, &ITaskService::get_ConnectedUser,
               &ITaskService::get_ConnectedDomain, &ITaskService::get_HighestVersion>);
