// The walk behind DiffJson: both documents side by side, objects by key, arrays by position,
// and a line for every leaf or shape that differs.
#include "cli/JsonDiff.h"

#include "model/TbTypes.h"

namespace orvanta::cli {
namespace {

constexpr size_t kMaxShown = 80;

std::string Shown(const Json& value) {
    std::string text = value.dump();
    if (text.size() > kMaxShown) text = text.substr(0, kMaxShown - 3) + "...";
    return text;
}

std::string Line(const std::string& path, const std::string& left, const std::string& right) {
    return (path.empty() ? std::string("(document)") : path) + ": " + left + " != " + right;
}

std::string KeyPath(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

void Walk(const Json& left, const Json& right, const std::string& path, std::vector<std::string>* out);

void WalkObjects(const Json& left, const Json& right, const std::string& path,
                 std::vector<std::string>* out) {
    for (const auto& [key, value] : left.items()) {
        if (right.contains(key))
            Walk(value, right.at(key), KeyPath(path, key), out);
        else
            out->push_back(Line(KeyPath(path, key), Shown(value), "(missing)"));
    }
    for (const auto& [key, value] : right.items())
        if (!left.contains(key)) out->push_back(Line(KeyPath(path, key), "(missing)", Shown(value)));
}

void WalkArrays(const Json& left, const Json& right, const std::string& path, std::vector<std::string>* out) {
    size_t shared = std::min(left.size(), right.size());
    for (size_t i = 0; i < shared; ++i) Walk(left[i], right[i], path + "[" + std::to_string(i) + "]", out);
    if (left.size() != right.size())
        out->push_back(
            Line(path, std::to_string(left.size()) + " items", std::to_string(right.size()) + " items"));
}

void Walk(const Json& left, const Json& right, const std::string& path, std::vector<std::string>* out) {
    if (left.is_object() && right.is_object()) return WalkObjects(left, right, path, out);
    if (left.is_array() && right.is_array()) return WalkArrays(left, right, path, out);
    if (left != right) out->push_back(Line(path, Shown(left), Shown(right)));
}

}  // namespace

std::vector<std::string> DiffJson(const Json& left, const Json& right, const std::string& path) {
    std::vector<std::string> out;
    Walk(left, right, path, &out);
    return out;
}

Json JsonAfterRoundTrip(Json json) {
    for (Json& field : json["fields"])
        if (field["type"] == AUTO_INC_T) {
            auto next = static_cast<uint32_t>(field["nextValue"].get<int32_t>()) + 1u;
            field["nextValue"] = static_cast<int32_t>(next);
        }
    return json;
}

}  // namespace orvanta::cli
