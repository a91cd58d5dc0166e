#include "core/link/transfer/SerialLine.h"

#include "core/link/serial/BlockTransactions.h"
#include "core/link/serial/ComPort.h"
#include "core/link/transfer/LinkState.h"

namespace volmar {
namespace {

// Owns the port ahead of the line that uses it, so the port outlives every
// transaction and closes when the line goes.
struct PortHolder {
    CComPort port;
};

class ComPortLine final : private PortHolder, public SerialLine {
public:
    ComPortLine() : SerialLine(port, SystemClock()) {}
    PortOpenResult Open(const std::string& device) { return port.Open(device); }
};

class DeviceOpener final : public SerialPortOpener {
public:
    std::unique_ptr<SerialLine> Open(const LinkState& link, int& error) override
    {
        auto line = std::make_unique<ComPortLine>();
        const PortOpenResult r = line->Open(link.comDevice);
        if (!r.ok) {
            error = r.error;
            return nullptr;
        }
        error = 0;
        return line;
    }
};

}  // namespace

bool SerialLine::Request(uint8_t command, std::span<const uint8_t> param, uint8_t reply,
                         std::span<uint8_t> out, size_t& received)
{
    return RequestTransaction(Stream(), TimeSource(), m_progress, command, param.data(), param.size(), reply,
                              out.data(), out.size(), received);
}

bool SerialLine::Send(std::string_view object, std::span<const uint8_t> data)
{
    return SendTransaction(Stream(), TimeSource(), m_progress, reinterpret_cast<const uint8_t*>(object.data()),
                           object.size(), data.data(), data.size());
}

void SerialLine::SetStop(const SocketStop* stop)
{
    m_stop = stop ? std::make_unique<LineStop>(m_stream, m_clock, *stop) : nullptr;
}

SerialPortOpener& DevicePortOpener()
{
    static DeviceOpener opener;
    return opener;
}

std::unique_ptr<SerialLine> StreamPortOpener::Open(const LinkState&, int& error)
{
    error = 0;
    ++m_opened;
    return std::make_unique<SerialLine>(m_stream, m_clock);
}

}  // namespace volmar
