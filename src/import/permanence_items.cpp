#include "import/permanence_items.h"

namespace ravelin {

std::string_view PermanenceItems::next()
{
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t'))
        ++pos_;
    if (atEnd())
        return {};

    if (bytes_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        const std::size_t close = bytes_.find('"', start);
        if (close == std::string_view::npos) {
            // An unterminated quote takes the rest of the file.
            pos_ = bytes_.size();
            return bytes_.substr(start);
        }
        pos_ = close + 1;
        while (pos_ < bytes_.size() && !endsItem(bytes_[pos_]))
            ++pos_;
        skipDelimiter();
        return bytes_.substr(start, close - start);
    }

    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && !endsItem(bytes_[pos_]))
        ++pos_;
    const std::string_view item = bytes_.substr(start, pos_ - start);
    skipDelimiter();
    return item;
}

void PermanenceItems::skipDelimiter()
{
    if (atEnd())
        return;
    const char c = bytes_[pos_++];
    if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n')
        ++pos_;
}

} // namespace ravelin
