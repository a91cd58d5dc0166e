#include "MemoryStream.h"

#include <algorithm>

namespace volmar::test {
namespace {

constexpr int64_t kByteTimeUs = 1'000'000 / 3840;  // 38400 baud 8N1

}  // namespace

void MemoryStream::Inject(const std::vector<uint8_t>& bytes, int delayMs)
{
    if (broken_) return;
    int64_t t = clock_.NowUs() + int64_t{delayMs} * 1000;
    if (!inbound_.empty()) t = std::max(t, inbound_.back().atUs);  // the line keeps its order
    if (paced_) t = std::max(t, wireFreeUs_);
    for (uint8_t b : bytes) {
        if (paced_) t += kByteTimeUs;
        inbound_.push_back({t, b});
    }
    wireFreeUs_ = t;
}

size_t MemoryStream::Write(const uint8_t* data, size_t len)
{
    if (broken_) return 0;
    written_.insert(written_.end(), data, data + len);
    if (farEnd_) farEnd_(data, len);
    return len;
}

size_t MemoryStream::Queued()
{
    const int64_t now = clock_.NowUs();
    size_t n = 0;
    while (n < inbound_.size() && inbound_[n].atUs <= now) ++n;
    return n;
}

size_t MemoryStream::Read(uint8_t* data, size_t len)
{
    const size_t n = std::min(len, Queued());
    for (size_t i = 0; i < n; ++i) {
        data[i] = inbound_.front().byte;
        inbound_.pop_front();
    }
    return n;
}

void MemoryStream::Purge()
{
    ++purges_;
    const int64_t now = clock_.NowUs();
    while (!inbound_.empty() && inbound_.front().atUs <= now) inbound_.pop_front();
}

bool MemoryStream::WaitReadable(int timeoutMs)
{
    if (broken_) return false;
    if (Queued() > 0) return true;
    const int64_t deadline = clock_.NowUs() + int64_t{std::max(timeoutMs, 0)} * 1000;
    if (!inbound_.empty() && inbound_.front().atUs <= deadline) {
        clock_.AdvanceToUs(inbound_.front().atUs);
        return true;
    }
    clock_.AdvanceToUs(deadline);
    return false;
}

}  // namespace volmar::test
