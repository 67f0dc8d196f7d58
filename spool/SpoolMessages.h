// The texts of the spooler's printers and jobs.
#pragma once

#include <string_view>

namespace vantolex::spoolText {

// A destination that is not accepting jobs: its name, and the reason its administrator gave.
inline constexpr std::u16string_view printerNotAcceptingJobs = u"プリンタ %s は印刷ジョブを受け付けていません。";
inline constexpr std::u16string_view printerNotAcceptingJobsBecause
    = u"プリンタ %s は印刷ジョブを受け付けていません。\n理由: %s";

// A print job that was left open could not be cancelled on the spooler (standard error): the job number
// and the destination.
inline constexpr std::u16string_view jobNotCancelled = u"印刷ジョブ %d（%s）を取り消せませんでした。";

} // namespace vantolex::spoolText
