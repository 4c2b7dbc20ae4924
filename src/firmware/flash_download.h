// Firmware download window logic: choosing the HEX file, erasing the flash and sending the data bytes
// under command 52, with the controller's acknowledgement every 2800 bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "firmware/hex_file.h"
#include "link/link.h"
#include "base/translation.h"

namespace zova::firmware {

inline constexpr std::uint32_t kFlashAckInterval = 2800;

inline constexpr std::string_view kMsgOpenHexFile = TrMark("OPEN HEX File ");
inline constexpr std::string_view kStateErasing = TrMark("Deleting Flash ROM Data. Wait...");
inline constexpr std::string_view kStateSuccess = TrMark("Downloading success!");
inline constexpr std::string_view kStateError = TrMark("Downloading error!");

// The labels of frmDownload that the download writes.
enum class DownloadLabel {
  TotalBytes,  // labelbyte: "TOTAL: 5,600 bytes"
  FileName,    // label_filename: "HEX FILE : " + name
  State,       // Label_state
  Refused,     // Label2: count of refused acknowledgements, hexadecimal
  Addresses,   // where the image's bytes belong: "addresses 0x00004000 to 0x000055DF"
};

class DownloadDisplay {
 public:
  virtual ~DownloadDisplay() = default;
  virtual void setLabel(DownloadLabel /*label*/, const std::string& /*text*/) {}
  virtual void setDownEnabled(bool /*enabled*/) {}
  // False from the moment the erase is asked for until the download has ended: a stop meanwhile would
  // leave a controller without firmware, so nothing may offer one.
  virtual void setStoppable(bool /*stoppable*/) {}
  // Just before the erase, with what will be written (ImageSummary); false leaves the flash as it is.
  virtual bool confirmErase(const std::string& /*summary*/) { return true; }
};

// Our bounds on the controller's answers; the erase of a whole flash takes seconds.
struct FlashTimeouts {
  Duration erase = seconds(60);            // SYN after the byte count
  Duration acknowledgement = seconds(10);  // the answer after each 2800 bytes (the controller writes them first)
  Duration result = seconds(30);           // EOT after the closing checksum
};

// "#,##0": 5600 -> "5,600".
std::string FormatThousands(std::uint32_t value);

// "addresses 0x00004000 to 0x000055DF": the first and last address of the image's bytes.
std::string ImageAddresses(const HexImage& image);
// "f.hex: 5,600 bytes for addresses 0x00004000 to 0x000055DF": the bytes are sent without their addresses,
// so an image built for another place would be written at the flash's start all the same.
std::string ImageSummary(const std::filesystem::path& path, const HexImage& image);

class FirmwareDownload {
 public:
  FirmwareDownload(Link& link, DownloadDisplay& display);

  enum class Choice { Chosen, NotHexName, CannotRead, Damaged };
  // cmdFile after the dialog returned `path`: checks the name and every record, counts the data bytes.
  // A refused or damaged file leaves no file chosen; reading errors are shown in a message box.
  Choice FileChosen(const std::filesystem::path& path);

  // cmdDown: erase, send, report. The file is read again here, so the count announced to the
  // controller is the count of the bytes that are sent. A stop asked for before the erase (also during
  // the handshake), or an erase the display does not confirm, ends it Cancelled with the flash untouched;
  // after that, it runs to its end. Refused: no file was chosen. FileFailed, FileDamaged: the file could not
  // be read again (message shown). Rejected: the handshake or the erase failed, the flash is as it was, no
  // error box (the detail says why). Any other failure came during the data, after the error box.
  Outcome DownClick();

  // The byte count as a 4-byte operand, four 0x00 bytes, STX; true when the controller answers SYN.
  bool FlashSendByteStxRcvSyn(std::uint32_t& nBytes);
  // Sends the data bytes, with an acknowledgement every 2800, then the checksum; Ok on EOT.
  Outcome DownLoad(const HexImage& image);

  std::filesystem::path FileName;  // empty: no file chosen
  std::uint32_t TotalBytes = 0;
  int RefusedAcks = 0;
  std::string StateText;
  bool DownEnabled = true;
  FlashTimeouts timeouts;

 private:
  void setState(std::string_view text);
  void setDownEnabled(bool enabled);
  bool waitByte(std::uint8_t& answer, Duration bound);

  Link& link_;
  DownloadDisplay& display_;
};

}  // namespace zova::firmware
