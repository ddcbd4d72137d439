#pragma once

#include <cstdint>

// The GS sound module's system-exclusive vocabulary: the data-set (DT1) header and the parts of
// the address map the console, its tools and the built-in synthesizer use. A module of the
// Sound Canvas SC88 class has 32 parts on two ports: parts 1..16 on port A, 17..32 on port B.
namespace vorlo::gs {

// Data-set header: F0 41 dev 42 12, then a three-byte address, the data, the Roland checksum
// (over address and data) and F7.
inline constexpr uint8_t RolandId = 0x41;
inline constexpr uint8_t GsModelId = 0x42;
inline constexpr uint8_t DataSetCommand = 0x12;

// Positions in a data-set message, counted from 0 at its F0.
inline constexpr int DeviceAt = 2;
inline constexpr int HeaderBytes = 5; // F0, maker, device, model, command
inline constexpr int AddressAt = 5;   // high, middle, low
inline constexpr int AddressBytes = 3;
inline constexpr int DataAt = AddressAt + AddressBytes;
// A message with an address and one data byte: header, address, data, checksum, F7.
inline constexpr int ShortestDataSet = DataAt + 3;

// Address bytes hold seven bits each.
inline constexpr uint8_t AddressByteMax = 0x7F;

// First address byte: the port of a part's parameters (40 A, 50 B), and the bulk-dump areas of
// the two ports (48 A, 58 B).
inline constexpr uint8_t PortA = 0x40;
inline constexpr uint8_t PortB = 0x50;
inline constexpr uint8_t BulkPortA = 0x48;
inline constexpr uint8_t BulkPortB = 0x58;

inline constexpr int PartsPerPort = 16;
inline constexpr int PartCount = 32;

// Middle address byte of a part: the block kind in the upper nibble, the part's block number
// on its port in the lower one. 1x part parameters, 2x controller destinations, 4x the part's
// further parameters.
inline constexpr uint8_t BlockKindMask = 0xF0;
inline constexpr uint8_t BlockNumberMask = 0x0F;
inline constexpr uint8_t PartParameterBlock = 0x10;
inline constexpr uint8_t ControllerBlock = 0x20;
inline constexpr uint8_t PartExtraBlock = 0x40;

// System parameters on port A: 40 00 xx and the effects 40 01 xx.
inline constexpr uint8_t SystemBlock = 0x00;
inline constexpr uint8_t MasterVolume = 0x04;
inline constexpr uint8_t GsReset = 0x7F; // 40 00 7F 00
inline constexpr uint8_t GsResetValue = 0x00;
inline constexpr uint8_t EffectBlock = 0x01;
inline constexpr uint8_t ReverbMacro = 0x30; // 0..7, Room 1 .. Panning Delay
inline constexpr uint8_t ReverbMacroCount = 8;
inline constexpr uint8_t ReverbLevel = 0x33;

// The part parameter that sets the channel a part receives (00..0F, 10 = off).
inline constexpr uint8_t RxChannelParameter = 0x02;

} // namespace vorlo::gs
