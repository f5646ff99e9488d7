#include "model/xml/WindowLayoutReader.h"

#include "model/xml/NodeReader.h"

#include <algorithm>
#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <fmt/format.h>

namespace vd {

namespace {

struct LayoutItem {
    int height = 1;
    int width = 2;
    int row = 0;
    int column = 0;
    std::string tag;
    std::string text;
    std::string background;
    std::string valueColour;
    std::string image;
};

bool HasElementChild(pugi::xml_node node) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element) {
            return true;
        }
    }
    return false;
}

int PositiveAttribute(pugi::xml_node node, const char* name, int fallback) {
    if (*node.attribute(name).value() == '\0') {
        return fallback;
    }
    return std::max(1, AttributeInt(node, name));
}

/// A colour attribute as the grid wants it: hexadecimal digits without "0x", upper case.
std::string Colour(pugi::xml_node node, const char* name, const char* fallback) {
    std::string value = node.attribute(name).value();
    if (value.empty()) {
        return fallback;
    }
    boost::algorithm::trim_left_if(value, boost::algorithm::is_any_of("0x"));
    boost::algorithm::to_upper(value);
    return value;
}

LayoutItem ReadItem(pugi::xml_node leaf, const std::string& suffix) {
    LayoutItem item;
    item.height = PositiveAttribute(leaf, "height", 1);
    item.width = PositiveAttribute(leaf, "width", 2);
    item.tag = leaf.name();
    const bool isElement = item.tag == "element";
    const bool isLabel = item.tag == "Label";
    if (isElement) {
        item.text = leaf.attribute("name").value();
    } else if (item.tag == "elements") {
        item.text = leaf.attribute("cols").value();
    } else {
        item.text = leaf.attribute(("text" + suffix).c_str()).value();
        if (item.text.empty()) {
            item.text = leaf.attribute("text").value();
        }
    }
    item.background = Colour(leaf, "bkcolor", isElement ? "D9EEEE" : isLabel ? "DADAB4" : "");
    item.valueColour = Colour(leaf, "valuecolor", isElement ? "FFFFFF" : isLabel ? "DADAB4" : "");
    item.image = leaf.attribute("img").value();
    return item;
}

/// Collects the leaves below node depth first, in document order.
void CollectLeaves(pugi::xml_node node, std::vector<pugi::xml_node>& leaves) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        if (HasElementChild(child)) {
            CollectLeaves(child, leaves);
        } else {
            leaves.push_back(child);
        }
    }
}

} // namespace

std::vector<std::string> ReadWindowLayout(pugi::xml_node window,
                                          const std::string& languageSuffix) {
    std::vector<LayoutItem> items;
    int row = 0;
    int columns = 0;
    for (pugi::xml_node band : window.children()) {
        if (band.type() != pugi::node_element) {
            continue;
        }
        std::vector<pugi::xml_node> leaves;
        if (HasElementChild(band)) {
            CollectLeaves(band, leaves);
        } else {
            leaves.push_back(band);
        }
        int column = 0;
        int bandHeight = 0;
        for (pugi::xml_node leaf : leaves) {
            LayoutItem item = ReadItem(leaf, languageSuffix);
            item.row = row;
            item.column = column;
            column += item.width;
            bandHeight = std::max(bandHeight, item.height);
            items.push_back(std::move(item));
        }
        columns = std::max(columns, column);
        row += bandHeight;
    }

    std::vector<std::string> lines;
    lines.reserve(items.size());
    for (const LayoutItem& item : items) {
        lines.push_back(fmt::format("{}|{}|{}|{}|{}|{}|{}|{}|0x{}|0x{}|{}", row, columns,
                                    item.height, item.width, item.row, item.column, item.tag,
                                    item.text, item.background, item.valueColour, item.image));
    }
    return lines;
}

} // namespace vd
