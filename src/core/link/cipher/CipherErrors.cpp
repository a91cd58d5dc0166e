#include "core/link/cipher/CipherErrors.h"

namespace volmar {

const char* CipherErrorText(int id)
{
    switch (id) {
    case kCipherErrCodeNg: return "Error:CODE NG";
    case kCipherErrHeader: return "Error:Header";
    case kCipherErrRecvHeader: return "Error:Recv header";
    case kCipherErrDecryption: return "Error:Decryption";
    case kCipherErrAlloc: return "Error:Alloc";
    case kCipherErrRecv: return "Error:Recv";
    case kCipherErrDownload: return "Error:Download";
    case kCipherErrSend: return "Error:Send";
    case kCipherErrRecvSize: return "Error:Recv size";
    case kCipherErrUpload: return "Error:Upload";
    case kCipherErrEncryption: return "Error:nencryption";
    case kCipherErrLogin: return "Error:Login";
    case kCipherErrPassword: return "Error:neath Password";
    case kCipherErrConnection: return "Error:Connection";
    case kCipherErrStatus: return "Error:Failed to obtain the status.";
    case kCipherErrConnect: return "Error:Connect";
    case kCipherErrUnsupported: return "Unsupported device";
    case kCipherErrOpen: return "Error:Open";
    case kCipherErrLoginHeading: return "Error:login";
    case kCipherErrEachPassword: return "Error:Each password";
    case kCipherErrFailed: return "Error:Failed";
    default: return "";
    }
}

Message ShowLinkError(int heading, int lastError)
{
    Message m;
    const char* second = CipherErrorText(kCipherErrFailed);
    m.icon = MessageIcon::Error;
    switch (lastError) {
    case kCipherErrUnsupported:
    case kCipherErrLoginHeading:
        second = CipherErrorText(lastError);
        m.icon = MessageIcon::Warning;
        break;
    case kCipherErrDownload:
    case kCipherErrUpload:
    case kCipherErrLogin:
    case kCipherErrPassword:
    case kCipherErrConnection:
    case kCipherErrOpen:
        break;
    default:
        if (lastError >= kCipherErrCodeNg && lastError <= kCipherErrEachPassword)
            second = CipherErrorText(lastError);
        break;
    }
    m.text = std::string(CipherErrorText(heading)) + "\n" + second;
    return m;
}

}  // namespace volmar
