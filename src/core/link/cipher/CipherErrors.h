#pragma once
// Error ids of the encrypted link (string-table ids) and the message that
// reports a failed step.
#include "core/common/Message.h"

namespace volmar {

enum CipherError : int {
    kCipherErrNone = 0,
    kCipherErrCodeNg = 493,
    kCipherErrHeader = 494,
    kCipherErrRecvHeader = 495,
    kCipherErrDecryption = 496,
    kCipherErrAlloc = 497,
    kCipherErrRecv = 498,
    kCipherErrDownload = 499,
    kCipherErrSend = 500,
    kCipherErrRecvSize = 501,
    kCipherErrUpload = 502,
    kCipherErrEncryption = 503,
    kCipherErrLogin = 504,
    kCipherErrPassword = 505,
    kCipherErrConnection = 506,
    kCipherErrStatus = 507,
    kCipherErrConnect = 508,
    kCipherErrUnsupported = 509,
    kCipherErrOpen = 510,
    kCipherErrLoginHeading = 511,
    kCipherErrEachPassword = 512,
    kCipherErrFailed = 513,
};

// The string-table text of an id from 493 to 513; empty for any other value.
const char* CipherErrorText(int id);

// The message of a failed step: the heading text, a line feed, then a line
// chosen by the link's last error, with its icon.
Message ShowLinkError(int heading, int lastError);

}  // namespace volmar
