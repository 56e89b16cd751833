#pragma once

#include <string>
#include <vector>

/// One text member of every item, in order: the texts of a list of lines,
/// the bodies of a list of mails.
template <class Item, class Text>
std::vector<std::string> TextsOf(const std::vector<Item>& items, Text Item::*member)
{
    std::vector<std::string> texts;
    texts.reserve(items.size());
    for (const Item& item : items)
        texts.push_back(item.*member);
    return texts;
}
