#include "core/theory/chord_box_svg.h"

#include <charconv>

namespace {

// "12.5", never "12.50" nor "12,5", whatever the locale.
std::string Number(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
    std::string number(text, end);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else
            escaped += c;
    }
    return escaped;
}

}  // namespace

std::string ChordBoxSvg(const ChordBox& box)
{
    const std::string w = Number(box.width), h = Number(box.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    for (const ChordBoxLine& l : box.lines)
        svg += "<line x1=\"" + Number(l.x1) + "\" y1=\"" + Number(l.y1) + "\" x2=\"" + Number(l.x2) + "\" y2=\"" +
               Number(l.y2) + "\" stroke=\"#000000\" stroke-width=\"" + Number(l.width) + "\"/>\n";
    for (const ChordBoxCircle& c : box.circles) {
        svg += "<circle cx=\"" + Number(c.x) + "\" cy=\"" + Number(c.y) + "\" r=\"" + Number(c.radius) + "\" ";
        svg += c.filled ? "fill=\"#000000\"/>\n"
                        : "fill=\"none\" stroke=\"#000000\" stroke-width=\"" + Number(c.width) + "\"/>\n";
    }
    for (const ChordBoxArc& a : box.arcs) {
        const std::string rx = Number((a.x2 - a.x1) / 2), ry = Number(a.height);
        svg += "<path d=\"M " + Number(a.x1) + " " + Number(a.y) + " A " + rx + " " + ry + " 0 0 1 " + Number(a.x2) +
               " " + Number(a.y) + "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" + Number(a.width) + "\"/>\n";
    }
    for (const ChordBoxText& t : box.texts)
        svg += "<text x=\"" + Number(t.x) + "\" y=\"" + Number(t.y) + "\" font-family=\"" + ChordBoxFont +
               "\" font-size=\"" + Number(t.size) + "\" font-weight=\"bold\" text-anchor=\"" +
               (t.anchor == ChordBoxAnchor::Middle ? "middle" : "end") + "\" fill=\"" +
               (t.onDot ? "#ffffff" : "#000000") + "\">" + Escaped(t.text) + "</text>\n";
    svg += "</svg>\n";
    return svg;
}
