// The run lock on Windows: the file opened without sharing, which the system closes with the process.
#include <windows.h>

#include <system_error>

#include "backup/run_lock.h"

namespace zova::backup {

RunLock::RunLock(const std::string& path) {
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), n);
  const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    handle_ = reinterpret_cast<std::intptr_t>(file);
    state_ = State::Held;
    return;
  }
  const DWORD code = ::GetLastError();
  state_ = code == ERROR_SHARING_VIOLATION ? State::Busy : State::Failed;
  error_ = std::system_category().message(static_cast<int>(code));
}

RunLock::~RunLock() {
  if (state_ == State::Held) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace zova::backup
