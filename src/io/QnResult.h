// Result codes of the file layer: 32-bit HRESULT-style values, negative for failure. A code
// is a failure in the "check" sense when its low 16 bits are not zero.
#pragma once

#include <cstdint>

using QnResult = int32_t;

inline constexpr QnResult QN_OK = 0;
inline constexpr QnResult QN_AUTOERROR_INITIAL = 0x00210000;
inline constexpr QnResult QN_E_NOTSUPPORTED = static_cast<int32_t>(0x80210078u);
inline constexpr QnResult QN_E_MESSAGES_FULL = static_cast<int32_t>(0x8021007Au);
inline constexpr QnResult QN_S_MESSAGES_TRUNCATED = 0x0021007A;
inline constexpr QnResult QN_E_NO_MESSAGE_BUFFER = static_cast<int32_t>(0x8021FFCEu);
inline constexpr QnResult QN_E_ATTRIBUTES = static_cast<int32_t>(0x80210100u);
inline constexpr QnResult QN_E_COPY = static_cast<int32_t>(0x80210108u);
inline constexpr QnResult QN_E_RENAME_EXISTS = static_cast<int32_t>(0x8021010Au);
inline constexpr QnResult QN_E_RENAME_INVALID_NAME = static_cast<int32_t>(0x8021010Bu);
inline constexpr QnResult QN_E_RENAME_PATH_NOT_FOUND = static_cast<int32_t>(0x8021010Cu);
inline constexpr QnResult QN_E_OUTOFMEMORY = static_cast<int32_t>(0x8007000Eu);
inline constexpr QnResult QN_E_OFFLINE = static_cast<int32_t>(0x80080037u);
inline constexpr QnResult QN_E_FAIL = static_cast<int32_t>(0x80004005u);
inline constexpr QnResult QN_E_ASSERT = -1;

// 0x8008xxxx: a Windows system error carried in the low word.
constexpr QnResult QnWinErrorCode(uint32_t winError) {
    return static_cast<int32_t>(0x80080000u | (winError & 0xFFFFu));
}

// True when the code counts as an error for QnAutoError::Check.
constexpr bool QnIsCheckFailure(QnResult code) { return (static_cast<uint32_t>(code) & 0xFFFFu) != 0; }
