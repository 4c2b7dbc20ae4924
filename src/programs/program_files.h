// Names of program source files: what the File Open dialogs leave in the folder and "PC File Name" boxes,
// the all-mode names, the check before "ALL Trans", and the message of a listing file that could not be saved.
#pragma once

#include <string>
#include <string_view>

#include "base/translation.h"
#include "base/ui.h"

namespace zova::programs {

// The separator this platform writes between folder and file name.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder of a chosen full name: everything before its last separator, case kept; empty without one.
[[nodiscard]] std::string FolderOf(std::string_view chosen);

// The "PC File Name" box after a dialog: the folder, a separator, the chosen name up to its first "." (all of
// it without one) and ".dat". A name without a folder gives just the file name.
[[nodiscard]] std::string PcFileNameFor(std::string_view chosen);

// Program n's file in all mode: folder + separator + "ZOVAPRGnn.dat".
[[nodiscard]] std::string AllModeFileName(std::string_view folder, int program);

// The check of "ALL Trans": each of the 32 files must be a source file the compiler can read (a regular file
// within its size bound). At the first that is not, shows the system's description of the error directly
// followed by the file name and returns false. An empty folder is refused with its own message.
[[nodiscard]] bool CheckAllTransFiles(std::string_view folder, Ui& ui);

// "오류 #  13이(가) zova에 의해 생성되었습니다." CR and the description: a listing file that could not be written.
[[nodiscard]] std::string ListingWriteErrorText(int errorNumber, std::string_view component,
                                                std::string_view description);
inline constexpr std::string_view kListingErrorTitle = TrMark("Error");
inline constexpr std::string_view kErrorComponent = "zova";

// All mode needs the folder the dialog chose; without one the files would land in the root of the drive.
// Looked up with Tr where they are shown, as is kListingErrorTitle.
inline constexpr std::string_view kMsgNoTransFolder = TrMark("File Open 메뉴에서 전송할 화일의 폴더를 선택하십시요.");
inline constexpr std::string_view kMsgNoRecvFolder = TrMark("File Open 메뉴에서 저장할 화일의 폴더를 선택하십시요.");

}  // namespace zova::programs
