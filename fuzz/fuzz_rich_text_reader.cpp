// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the info file, read as rich text and as the viewer reads it:
// no crash, every text valid UTF-8, and a document whose size grows at most
// linearly with the input.
#include "info/rich_text_reader.h"
#include "text/windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// No character of the input gives more than three bytes of UTF-8 (a code
// page byte or \'hh becomes at most three, \uN at most three, a pair of
// them at most four), and none gives more than one run or paragraph.
void checkDocument(const ravelin::RichDocument& doc, std::size_t inputSize)
{
    check(doc.paragraphs.size() <= inputSize + 1);
    std::size_t runs = 0;
    std::size_t textBytes = 0;
    for (const ravelin::Paragraph& p : doc.paragraphs) {
        for (const ravelin::TextRun& run : p.runs) {
            ++runs;
            textBytes += run.text.size();
            check(!run.text.empty());
            check(ravelin::isValidUtf8(run.text));
            check(ravelin::isValidUtf8(run.format.fontFamily));
            // Font names are cut short, so a long one cannot be copied into every run.
            check(run.format.fontFamily.size() <= 256);
            check(run.format.pointSize >= 0 && run.format.pointSize <= 2000);
        }
        check(p.leftIndent >= -31680 && p.leftIndent <= 31680);
        check(p.spaceBefore >= 0 && p.spaceAfter >= 0);
    }
    check(runs <= inputSize);
    check(textBytes <= 3 * inputSize);
    const std::string plain = doc.plainText();
    check(ravelin::isValidUtf8(plain));
    check(plain.size() <= textBytes + doc.paragraphs.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDocument(ravelin::RichTextReader::read(bytes), size);
    checkDocument(ravelin::RichTextReader::readInfoFile(bytes), size);
    return 0;
}
