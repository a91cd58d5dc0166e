#pragma once
// The settings report as one self-contained XHTML file: inline style sheet
// with a print variant, no scripts, no outside resources; every text escaped.
#include <string>

#include "core/report/ReportModel.h"

namespace volmar::report {

std::string RenderHtml(const Document& doc);

}  // namespace volmar::report
