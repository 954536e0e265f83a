// The stored data block of a texture item, read without trusting it. Plain memory, no windows.
//
//   block    0   8 bytes  not read
//            8   7 words  header; the second (offset 12) is the payload length n
//            36  n bytes  payload
//   payload  0   64 bytes the texture record's first 64 bytes; the word at 56 is the length m of
//                         the texture data, the words at 56 and 60 are the record's own state
//            64  m bytes  texture data
#pragma once
#include <stddef.h>

#define TEXBLOCK_PAYLOAD_AT      36
#define TEXBLOCK_LENGTH_AT       12
#define TEXBLOCK_RECORD_HEAD     64  // bytes of the record the payload starts with
#define TEXBLOCK_DATA_LENGTH_AT  56  // in the payload (and in the record)
#define TEXBLOCK_RECORD_STATE_AT 60

// Payload length n of a block of nBlockSize bytes; -1 when the block is NULL, too short for its
// header, or shorter than the payload it announces.
int TextureBlockPayloadLength(const void* pBlock, size_t nBlockSize);

// Length m of the texture data in a payload of nPayload bytes; -1 when the payload is shorter
// than the record head or than the data it announces.
int TexturePayloadDataLength(const void* pPayload, size_t nPayload);
