#include "terrain/core/TextList.h"

#include <stdexcept>

namespace terrain {

int TextList::add(const std::string& text)
{
    texts_.push_back(text);
    return count() - 1;
}

const std::string& TextList::at(int index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("TextList index " + std::to_string(index) + " outside [0, " +
                                std::to_string(count()) + ")");
    return texts_[static_cast<std::size_t>(index)];
}

} // namespace terrain
