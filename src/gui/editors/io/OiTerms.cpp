#include "gui/editors/io/OiTerms.h"

#include "gui/editors/io/ChannelChoices.h"

namespace volmar::gui {

OiTerms TermsOf(const OiChannel& channel)
{
    OiTerms terms;
    terms.konst = channel.CONST;
    for (int i = 0; i < kOiTermCount; ++i) terms.inputs[i] = channel.INPUT[i];
    return terms;
}

void StoreTerms(OiChannel& channel, const OiTerms& terms)
{
    channel.CONST = terms.konst;
    for (int i = 0; i < kOiTermCount; ++i) channel.INPUT[i] = terms.inputs[i];
}

OiTerms DefaultTerms(int32_t function)
{
    OiTerms t;
    for (OiInputRef& input : t.inputs) input = {kKindAi, 1};
    double* k = t.konst.K;
    switch (function) {
    case kOiAdd: k[1] = k[2] = k[3] = 1; break;
    case kOiMul:
    case kOiDiv: k[1] = k[2] = 1; break;
    case kOiSqrt:
    case kOiPower: k[1] = 1; break;
    case kOiAverage: k[1] = 4; break;
    case kOiAnalogSum: k[1] = 10000; k[2] = 0; break;
    case kOiFValue: k[1] = 120; k[2] = 10; break;
    case kOiScale: k[1] = 0; k[2] = 10000; k[3] = 0; k[4] = 10000; break;
    default: break;
    }
    return t;
}

}  // namespace volmar::gui
