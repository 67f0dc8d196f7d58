#include "render/pdf/PdfSheet.h"

#include <algorithm>
#include <cstdlib>

#include "render/pdf/PdfNumbers.h"

namespace vantolex {

namespace {

void appendTwoDigits(std::string& out, int value)
{
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

} // namespace

PdfSheet pdfSheetOf(const SheetFormat& sheet)
{
    constexpr double pointsPerInch = 72.0;
    PdfSheet pdf;
    pdf.widthPoints = sheetWidthPoints(sheet);
    pdf.heightPoints = sheetHeightPoints(sheet);
    pdf.pointsPerPixelX = pointsPerInch / std::max(1, sheet.dpiX);
    pdf.pointsPerPixelY = pointsPerInch / std::max(1, sheet.dpiY);
    pdf.originLeftPoints = sheetBorderPoints(sheet);
    pdf.originTopPoints = pdf.originLeftPoints;
    return pdf;
}

std::string pdfDate(const LocalDateTime& time)
{
    std::string date = "D:";
    pdf::appendInteger(date, time.year);
    for (const int part : { time.month, time.day, time.hour, time.minute, time.second }) {
        appendTwoDigits(date, part);
    }
    date += time.utcOffsetMinutes < 0 ? '-' : '+';
    appendTwoDigits(date, std::abs(time.utcOffsetMinutes) / 60);
    date += '\'';
    appendTwoDigits(date, std::abs(time.utcOffsetMinutes) % 60);
    date += '\'';
    return date;
}

} // namespace vantolex
