#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corekit/gnss/frame_checksums.h"
#include "corekit/gnss/frame_writer.h"
#include "corekit/gnss/gnss_frame_scanner.h"

using namespace corekit::internal;
using namespace std::string_literals;

namespace {

const unsigned char* Bytes(const std::string& text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

// The checksums against the published check values ("123456789": CRC-24/LTE-A is CRC-24Q,
// CRC-16/XMODEM is SBF's CRC) and frames quoted in the protocols' documents.
TEST(FrameChecksums, MatchPublishedValues) {
  const std::string digits = "123456789";
  EXPECT_EQ(Crc24q(Bytes(digits), digits.size()), 0xCDE703u);
  EXPECT_EQ(Crc16Ccitt(Bytes(digits), digits.size()), 0x31C3u);
  const std::string monVerPoll = "\x0A\x04\x00\x00"s;  // B5 62 0A 04 00 00 0E 34
  EXPECT_EQ(UbxChecksum(Bytes(monVerPoll), monVerPoll.size()), 0x340Eu);
  const std::string gga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
  EXPECT_EQ(NmeaChecksum(Bytes(gga), gga.size()), 0x47u);
}

// What a scan of the input reports: every frame, then the bytes held and skipped.
struct Scan {
  std::vector<TGnssFrame> frames;
  std::size_t held = 0;
  std::uint64_t skipped = 0;
};

Scan ScanInPieces(const std::string& input, std::size_t piece) {
  TGnssFrameScanner scanner;
  Scan scan;
  for (std::size_t at = 0; at < input.size(); at += piece)
    scanner.Feed(Bytes(input) + at, std::min(piece, input.size() - at), scan.frames);
  return {std::move(scan.frames), scanner.Held(), scanner.Skipped()};
}

// A piece of an input: a frame as the scanner should report it, or garbage (protocol None).
struct Piece {
  std::string bytes;
  TGnssProtocol protocol;
  std::string type;
  bool valid;
  std::string talker;
};

Piece Garbage(std::string bytes) { return {std::move(bytes), TGnssProtocol::None, "", true, ""}; }
Piece Frame(std::string bytes, TGnssProtocol protocol, std::string type) {
  return {std::move(bytes), protocol, std::move(type), true, ""};
}

Piece Nmea(const std::string& sentence, const std::string& talker, const std::string& type) {
  return {NmeaSentence(sentence), TGnssProtocol::Nmea, type, true, talker};
}

// The frame with its last byte changed, which breaks any of the checksums.
Piece Broken(Piece piece) {
  const std::size_t at = piece.bytes.size() - (piece.protocol == TGnssProtocol::Nmea ? 3 : 1);
  piece.bytes[at] = piece.bytes[at] == '0' ? '1' : char(piece.bytes[at] ^ 1);
  piece.valid = false;
  return piece;
}

const std::string PvtPayload(92, '\x11');

const Piece Gga =
    Nmea("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", "GP", "GGA");
const Piece Rmc =
    Nmea("GNRMC,083559.00,A,4717.11437,N,00833.91522,E,0.004,77.52,091202,,,A", "GN", "RMC");
const Piece Pvt = Frame(UbxFrame(0x01, 0x07, PvtPayload), TGnssProtocol::Ubx, "NAV-PVT");
const Piece Msm = Frame(Rtcm3Message(1077, std::string(40, '\x5A')), TGnssProtocol::Rtcm3, "1077");
const Piece Geodetic =
    Frame(SbfBlock(4007, 2, std::string(88, '\x01')), TGnssProtocol::Sbf, "4007");

struct ScanCase {
  const char* name;
  std::vector<Piece> pieces;
};

const ScanCase ScanCases[] = {
    {"each protocol", {Gga, Pvt, Msm, Geodetic, Rmc}},
    {"AIS and proprietary sentences",
     {Nmea("AIVDM,1,1,,A,13aGmP0P00PD;88MD5MTDww@2<0L,0", "AI", "VDM"),
      Nmea("PUBX,00,081350.00,4717.113210,N", "P", "UBX")}},
    {"lowercase checksum digits",
     {{"$GPGLL,4916.45,N,12311.12,W,225444,A*31\r\n", TGnssProtocol::Nmea, "GLL", true, "GP"},
      {"$GPGLL,4916.45,N,12311.12,W,225444,A*3a\r\n", TGnssProtocol::Nmea, "GLL", false, "GP"}}},
    {"bad checksums", {Broken(Gga), Broken(Pvt), Broken(Msm), Broken(Geodetic), Rmc}},
    {"garbage before, between and after",
     {Garbage("\x00\xFF junk"s), Gga, Garbage("\r\n"), Pvt, Garbage(std::string(300, '\x55')),
      Geodetic, Garbage("tail")}},
    {"names without a table entry and short RTCM messages",
     {Frame(UbxFrame(0x01, 0x99, ""), TGnssProtocol::Ubx, "0x01-0x99"),
      Frame(UbxFrame(0xF0, 0x0A, "x"), TGnssProtocol::Ubx, "0xF0-0x0A"),
      Frame(Rtcm3Frame(""), TGnssProtocol::Rtcm3, ""),
      Frame(Rtcm3Message(4095, ""), TGnssProtocol::Rtcm3, "4095"),
      Frame(SbfBlock(8191, 7, ""), TGnssProtocol::Sbf, "8191")}},
    {"the largest frames",
     {Frame(UbxFrame(0x02, 0x15, std::string(65535, '\xB5')), TGnssProtocol::Ubx, "RXM-RAWX"),
      Frame(Rtcm3Message(1005, std::string(1021, '\xD3')), TGnssProtocol::Rtcm3, "1005"), Gga}},
    // Starts that are no frame are skipped byte by byte, and the frame after them is found.
    {"a sentence cut short",
     {Garbage("$GPGGA,123519,4807.0"), Rmc, Garbage("!AIVDM,1,1,,A,1*"), Gga}},
    {"sentences broken in their framing",
     {Garbage("$GPGGA,1*47\n"), Garbage("$GPGGA,1*4G\r\n"), Garbage("$GP,1*47\r\n"),
      Garbage("$gpgga,1*47\r\n"), Garbage("$GPGGA,1\x01*47\r\n"), Garbage("$GPGGA,1*47\r\r"),
      Garbage("$GPGGA,1*47\r"), Gga}},
    {"a sentence longer than 256 characters",
     {Garbage(NmeaSentence("GPGSV," + std::string(245, '1'))),
      Nmea("GPGSV," + std::string(244, '1'), "GP", "GSV")}},
    {"binary starts that are no frame",
     {Garbage("\xB5\x61"), Garbage("\xD3\x04"), Garbage("\xD3\xFF"),
      Garbage("$@\x00\x00\x00\x00\x0A\x00"s), Garbage("$@\x00\x00\x00\x00\x04\x00"s), Pvt}},
    {"sync bytes inside a valid frame are its own",
     {Frame(UbxFrame(0x0A, 0x04, NmeaSentence("GPGGA,1") + "\xD3\x00\x00"s), TGnssProtocol::Ubx,
            "MON-VER"),
      Msm}},
};

std::string Joined(const std::vector<Piece>& pieces) {
  std::string input;
  for (const Piece& piece : pieces) input += piece.bytes;
  return input;
}

TEST(GnssFrameScanner, FindsTheFramesInAnySplitting) {
  for (const ScanCase& row : ScanCases) {
    const std::string input = Joined(row.pieces);
    for (std::size_t piece : {input.size(), std::size_t(1), std::size_t(2), std::size_t(7),
                              std::size_t(100), std::size_t(4096)}) {
      SCOPED_TRACE(std::string(row.name) + ", pieces of " + std::to_string(piece));
      const Scan scan = ScanInPieces(input, piece);
      std::size_t frame = 0;
      std::uint64_t offset = 0, skipped = 0, totalSkipped = 0;
      for (const Piece& expected : row.pieces) {
        if (expected.protocol == TGnssProtocol::None) {
          skipped += expected.bytes.size();
          totalSkipped += expected.bytes.size();
        } else if (frame < scan.frames.size()) {
          const TGnssFrame& found = scan.frames[frame++];
          EXPECT_EQ(found.Protocol, expected.protocol);
          EXPECT_EQ(found.Type, expected.type);
          EXPECT_EQ(found.Talker, expected.talker);
          EXPECT_EQ(found.Valid, expected.valid);
          EXPECT_EQ(found.Length, expected.bytes.size());
          EXPECT_EQ(found.Offset, offset);
          EXPECT_EQ(found.Skipped, skipped);
          skipped = 0;
        } else {
          ++frame;
        }
        offset += expected.bytes.size();
      }
      EXPECT_EQ(scan.frames.size(), frame);
      EXPECT_EQ(scan.skipped, totalSkipped);
      EXPECT_EQ(scan.held, 0u);
    }
  }
}

// A sync byte in garbage whose claimed length covers real frames: once its checksum fails it is
// reported as a bad frame, and the frames inside it are found, in order of their first bytes.
TEST(GnssFrameScanner, AFalseStartHidesNoFrame) {
  const std::string falseRtcm = "\xD3\x00\x30"s;             // claims 48 + 6 bytes
  const std::string falseUbx = "\xB5\x62\x01\x07\x00\x01"s;  // claims 256 + 8
  const std::string input = "xx" + falseUbx + falseRtcm + Gga.bytes + Pvt.bytes + Msm.bytes +
                            std::string(200, '-') + Rmc.bytes;
  for (std::size_t piece : {input.size(), std::size_t(1), std::size_t(13)}) {
    const Scan scan = ScanInPieces(input, piece);
    ASSERT_EQ(scan.frames.size(), 6u);
    const TGnssProtocol expected[] = {TGnssProtocol::Ubx,   TGnssProtocol::Rtcm3,
                                      TGnssProtocol::Nmea,  TGnssProtocol::Ubx,
                                      TGnssProtocol::Rtcm3, TGnssProtocol::Nmea};
    const std::uint64_t offsets[] = {2,
                                     8,
                                     11,
                                     11 + Gga.bytes.size(),
                                     11 + Gga.bytes.size() + Pvt.bytes.size(),
                                     input.size() - Rmc.bytes.size()};
    for (std::size_t i = 0; i < 6; ++i) {
      EXPECT_EQ(scan.frames[i].Protocol, expected[i]) << i;
      EXPECT_EQ(scan.frames[i].Offset, offsets[i]) << i;
      EXPECT_EQ(scan.frames[i].Valid, i >= 2) << i;
    }
    EXPECT_EQ(scan.frames[0].Length, 264u);
    // Garbage is what no reported frame covers: the first two bytes and the dashes beyond the
    // false UBX frame's end.
    EXPECT_EQ(scan.frames[0].Skipped, 2u);
    EXPECT_EQ(scan.frames[5].Skipped, input.size() - Rmc.bytes.size() - 2 - 264);
    EXPECT_EQ(scan.skipped, 2 + scan.frames[5].Skipped);
  }
}

}  // namespace
