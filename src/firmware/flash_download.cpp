// Firmware download.
#include "firmware/flash_download.h"

#include <cstdio>

#include "link/commands.h"
#include "link/link_error.h"

namespace zova::firmware {

// Built forward: string::insert here draws a false -Wrestrict from GCC 12 once inlined.
std::string FormatThousands(std::uint32_t value) {
  const std::string digits = std::to_string(value);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::string ImageAddresses(const HexImage& image) {
  char first[16];
  char last[16];
  std::snprintf(first, sizeof first, "0x%08X", static_cast<unsigned>(image.start));
  std::snprintf(last, sizeof last, "0x%08X", static_cast<unsigned>(image.start + image.TotalBytes() - 1));
  return Tr("addresses {1} to {2}", {first, last});
}

std::string ImageSummary(const std::filesystem::path& path, const HexImage& image) {
  return Tr("{1}: {2} bytes for {3}",
            {path.filename().string(), FormatThousands(image.TotalBytes()), ImageAddresses(image)});
}

FirmwareDownload::FirmwareDownload(Link& link, DownloadDisplay& display) : link_(link), display_(display) {}

void FirmwareDownload::setState(std::string_view text) {
  StateText = std::string(text);
  display_.setLabel(DownloadLabel::State, StateText);
}

void FirmwareDownload::setDownEnabled(bool enabled) {
  DownEnabled = enabled;
  display_.setDownEnabled(enabled);
}

FirmwareDownload::Choice FirmwareDownload::FileChosen(const std::filesystem::path& path) {
  FileName.clear();
  if (!MatchesHexPattern(path)) return Choice::NotHexName;
  HexImage image;
  std::string message;
  const Outcome status = ReadHexFile(path, image, message);
  if (status != Outcome::Ok) {
    link_.ui().messageBox(message);
    return status == Outcome::FileFailed ? Choice::CannotRead : Choice::Damaged;
  }
  FileName = path;
  TotalBytes = image.TotalBytes();
  display_.setLabel(DownloadLabel::TotalBytes, Tr("TOTAL: {1} bytes", {FormatThousands(TotalBytes)}));
  display_.setLabel(DownloadLabel::FileName, Tr("HEX FILE : {1}", {path.filename().string()}));
  display_.setLabel(DownloadLabel::Addresses, ImageAddresses(image));
  setDownEnabled(true);
  return Choice::Chosen;
}

Outcome FirmwareDownload::DownClick() {
  if (FileName.empty()) {
    link_.ui().messageBox(Tr(kMsgOpenHexFile));
    return {Outcome::Refused, "no file chosen"};
  }
  // The file may have changed since it was chosen: what is announced must be what is sent.
  HexImage image;
  std::string message;
  if (const Outcome read = ReadHexFile(FileName, image, message); read != Outcome::Ok) {
    link_.ui().messageBox(message);
    return {read == Outcome::FileFailed ? Outcome::FileFailed : Outcome::FileDamaged, message};
  }
  display_.setLabel(DownloadLabel::Addresses, ImageAddresses(image));
  if (image.TotalBytes() != TotalBytes) {
    TotalBytes = image.TotalBytes();
    display_.setLabel(DownloadLabel::TotalBytes, Tr("TOTAL: {1} bytes", {FormatThousands(TotalBytes)}));
  }
  if (!display_.confirmErase(ImageSummary(FileName, image))) return Outcome::Cancelled;
  // The last moment to stop cleanly: once the erase has begun, only a finished download leaves a
  // working controller.
  if (link_.ui().cancelRequested()) return Outcome::Cancelled;
  setDownEnabled(false);
  setState(Tr(kStateErasing));
  Outcome outcome;
  std::uint32_t count = TotalBytes;
  if (Outcome started = link_.StartCommand(cmd::kFirmwareDownload); !started) {
    outcome = link_.WaitCancelled ? Outcome(Outcome::Cancelled, to_string(started))
                                  : Outcome(Outcome::Rejected, "handshake: " + to_string(started));
  } else {
    display_.setStoppable(false);
    if (!FlashSendByteStxRcvSyn(count)) {
      outcome = {Outcome::Rejected, "the erase was not confirmed"};
    } else {
      outcome = DownLoad(image);
    }
    display_.setStoppable(true);
  }
  // Nothing was written when the handshake or the erase failed; the state says so instead of "Wait...".
  if (outcome == Outcome::Rejected) setState(Tr(kStateError));
  if (outcome == Outcome::Cancelled) setState({});
  setDownEnabled(true);
  return outcome;
}

bool FirmwareDownload::waitByte(std::uint8_t& answer, Duration bound) { return link_.WaitByte(answer, bound); }

bool FirmwareDownload::FlashSendByteStxRcvSyn(std::uint32_t& nBytes) {
  std::uint8_t operand[4];
  Link::SendOperandBytes(operand, static_cast<std::int32_t>(nBytes));
  for (std::uint8_t b : operand) link_.SendByte(b);
  for (int i = 0; i < 4; ++i) link_.SendByte(0x00);
  link_.SendByte(STX);
  // The controller erases its flash before it answers.
  std::uint8_t answer = 0;
  return waitByte(answer, timeouts.erase) && answer == SYN;
}

Outcome FirmwareDownload::DownLoad(const HexImage& image) {
  Ui& ui = link_.ui();
  ui.setProgressMaximum(Job::Firmware, 0, static_cast<int>(image.TotalBytes()));
  ui.setProgressValue(Job::Firmware, 0, 0);
  std::uint32_t sum = 0;
  std::uint32_t sent = 0;
  std::uint32_t sinceAck = 0;
  RefusedAcks = 0;
  Outcome ok;
  for (std::uint8_t b : image.data) {
    link_.SendByte(b);
    sum = (sum + b) & 0xFFu;
    ++sinceAck;
    ++sent;
    ui.setProgressValue(Job::Firmware, 0, static_cast<int>(sent));
    if (sinceAck == kFlashAckInterval) {
      std::uint8_t answer = 0;
      // Silence is not a refusal: the controller is gone, and the rest would be lost.
      if (!waitByte(answer, timeouts.acknowledgement)) {
        ok = {Outcome::TimedOut, "no acknowledgement after " + std::to_string(sent) + " bytes"};
        break;
      }
      if (answer != SYN) ++RefusedAcks;
      sinceAck = 0;
      setState(Tr("{1} bytes complete", {FormatThousands(sent)}));
    }
  }
  if (ok) {
    const Duration usual = link_.timeouts.reply;
    link_.timeouts.reply = timeouts.result;
    ok = link_.SendChecksum(Link::ChecksumFor(sum));
    link_.timeouts.reply = usual;
  }
  if (ok) {
    setState(Tr(kStateSuccess));
  } else {
    ShowOutcome(ui, ok);
    setState(Tr(kStateError));
  }
  ui.setProgressValue(Job::Firmware, 0, 0);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(RefusedAcks));
  display_.setLabel(DownloadLabel::Refused, hex);
  return ok;
}

}  // namespace zova::firmware
