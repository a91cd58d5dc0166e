#include "core/link/transfer/UnitCheck.h"

#include <algorithm>
#include <cstdint>

#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {
namespace {

constexpr uint8_t kCmdStatus = 'S';
constexpr uint8_t kReplyStatus = 's';
constexpr size_t kStatusCapacity = 16;

constexpr int kHeadingConnection = kCipherErrConnection;  // 506
constexpr int kHeadingLogin = kCipherErrLogin;            // 504
constexpr int kHeadingOpen = kCipherErrOpen;              // 510

void ForgetSession(LinkState& link)
{
    link.loggedIn = 0;
    link.protocol = kProtocolUnknown;
}

}  // namespace

bool CheckUnitSerial(SerialLine& line, Interaction& ui, UnitStatus* status)
{
    uint8_t reply[kStatusCapacity] = {};
    size_t received = 0;
    if (!line.Request(kCmdStatus, {}, kReplyStatus, reply, received) || received != 6) {
        ui.Show({MessageIcon::Error, kMsgStatusFailed});
        return false;
    }
    UnitStatus s;
    std::copy(reply, reply + 6, s.begin());
    if (!AcceptDeviceCode(s)) {
        ui.Show({MessageIcon::Warning, kMsgUnsupportedDevice});
        return false;
    }
    if (status) *status = s;
    return true;
}

bool CheckUnitTcp(LinkContext& ctx, const std::string& address, UnitStatus* status)
{
    uint8_t reply[kTcpStatusCapacity] = {};
    TcpCallState call;
    call.loggedIn = ctx.link.loggedIn;
    int got = TcpQueryStatus(ctx.Target(address), reply, call);
    ctx.link.loggedIn = call.loggedIn;
    if (call.outcome == kTcpFailed && got != 6) {
        ctx.ui.Show({MessageIcon::Information, kMsgCannotConnect});
        return false;
    }

    if (!PromptLogin(ctx.link, ctx.ui)) return false;

    call = TcpCallState{};
    call.loggedIn = ctx.link.loggedIn;
    got = TcpQueryStatus(ctx.Target(address), reply, call);
    ctx.link.loggedIn = call.loggedIn;
    if (call.outcome == kTcpRefused) {
        ctx.ui.Show({MessageIcon::Warning, kMsgPasswordIncorrect});
        return false;
    }
    if (call.outcome != kTcpOk || got != 6) {
        ctx.ui.Show({MessageIcon::Error, kMsgStatusFailed});
        return false;
    }
    UnitStatus s;
    std::copy(reply, reply + 6, s.begin());
    if (!AcceptDeviceCode(s)) {
        ctx.ui.Show({MessageIcon::Warning, kMsgUnsupportedDevice});
        return false;
    }
    if ((s[5] & kStatusFlagNetworkConfig) == 0) {
        ctx.ui.Show({MessageIcon::Information, kMsgNetworkProhibited});
        return false;
    }
    if (status) *status = s;
    return true;
}

bool CheckUnitCipher(LinkContext& ctx, const std::string& address, CCipherLink& cipher,
                     UnitStatus* status)
{
    if (!PromptLogin(ctx.link, ctx.ui)) return false;
    auto fail = [&](int heading) {
        ForgetSession(ctx.link);
        cipher.Close();
        ctx.ui.Show(ShowLinkError(heading, cipher.LastError()));
        return false;
    };
    if (!cipher.Connect(address)) return fail(kHeadingOpen);
    CipherHelloInfo info;
    if (!cipher.Hello(true, ctx.link.password, &info)) return fail(kHeadingConnection);
    if (!cipher.Login(ctx.link.loginId, ctx.link.password)) return fail(kHeadingLogin);
    ctx.link.loggedIn = 1;
    if (status) {
        *status = {static_cast<uint8_t>(info.deviceCode), static_cast<uint8_t>(info.major),
                   static_cast<uint8_t>(info.minor), static_cast<uint8_t>(info.build >> 8),
                   static_cast<uint8_t>(info.build), info.status};
    }
    return true;
}

}  // namespace volmar
