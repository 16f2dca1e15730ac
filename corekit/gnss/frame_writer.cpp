#include "corekit/gnss/frame_writer.h"

#include "corekit/core/hex_text.h"
#include "corekit/gnss/frame_checksums.h"

namespace corekit::internal {
namespace {

const unsigned char* Bytes(const std::string& text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

void AppendLittleEndian16(std::string& frame, unsigned value) {
  frame += static_cast<char>(value & 0xFF);
  frame += static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

std::string NmeaSentence(std::string_view sentence) {
  const std::string body(sentence);
  return "$" + body + "*" + HexText(NmeaChecksum(Bytes(body), body.size()), 2, true) + "\r\n";
}

std::string UbxFrame(unsigned char messageClass, unsigned char id, std::string_view payload) {
  std::string frame = "\xB5\x62";
  frame += static_cast<char>(messageClass);
  frame += static_cast<char>(id);
  AppendLittleEndian16(frame, static_cast<unsigned>(payload.size()));
  frame += payload;
  AppendLittleEndian16(frame, UbxChecksum(Bytes(frame) + 2, frame.size() - 2));
  return frame;
}

std::string Rtcm3Frame(std::string_view message) {
  std::string frame = "\xD3";
  frame += static_cast<char>((message.size() >> 8) & 0x03);
  frame += static_cast<char>(message.size() & 0xFF);
  frame += message;
  const std::uint32_t crc = Crc24q(Bytes(frame), frame.size());
  for (int shift = 16; shift >= 0; shift -= 8) frame += static_cast<char>((crc >> shift) & 0xFF);
  return frame;
}

std::string Rtcm3Message(unsigned number, std::string_view rest) {
  std::string message;
  message += static_cast<char>((number >> 4) & 0xFF);
  message += static_cast<char>((number & 0x0F) << 4);
  return Rtcm3Frame(message + std::string(rest));
}

std::string SbfBlock(unsigned number, unsigned revision, std::string_view body) {
  std::string block = "$@..";  // the CRC's place
  AppendLittleEndian16(block, (number & 0x1FFF) | ((revision & 0x07) << 13));
  const std::size_t length = (8 + body.size() + 3) / 4 * 4;
  AppendLittleEndian16(block, static_cast<unsigned>(length));
  block += body;
  block.resize(length, '\0');
  const std::uint16_t crc = Crc16Ccitt(Bytes(block) + 4, block.size() - 4);
  block[2] = static_cast<char>(crc & 0xFF);
  block[3] = static_cast<char>(crc >> 8);
  return block;
}

}  // namespace corekit::internal
