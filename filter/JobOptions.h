// What the options of a print job make of the settings that vantolex-texttopdf prints with.
//
// Taken in this order, whatever their order in the job: vantolex-preset (a preset of the system's settings file
// replaces the record), the standard text options that CUPS documents for its text filter where the record
// has a counterpart (columns, page-left, page-right, page-top, page-bottom, wrap, prettyprint; cpi and lpi
// last, on the finished record and the paper), vantolex-FIELD=VALUE for any field of the record (the names
// of "--set", without regard to case), and vantolex-encoding. Options that the spooler or the filters after
// this one act on are left to them; any other option is named as ignored.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "input/EncodingIndex.h"
#include "layout/Device.h"
#include "settings/Preset.h"
#include "settings/PrintSettings.h"

namespace vantolex {

using JobOption = std::pair<std::string, std::string>; // name and value as the spooler passes them

// The settings of the system's settings file, before the job's options.
struct SystemSettings
{
    PrintSettings current;
    std::vector<Preset> presets;
};

// The outcome for a job that its options allow.
struct FilterJob
{
    PrintSettings settings; // not yet validated
    EncodingIndex encoding = 3; // UTF-8, what CUPS's own text filter assumes
    std::vector<std::string> ignored; // names of the options left alone, in the job's order
};

// A job option that fails the job: the message names the option.
struct JobOptionFailure
{
    std::u16string message;
};

// The settings for a job with `options`, printed on a page whose printable area is `caps`.
std::variant<FilterJob, JobOptionFailure> mapJobOptions(const SystemSettings& system,
                                                        std::span<const JobOption> options, const DeviceCaps& caps);

} // namespace vantolex
