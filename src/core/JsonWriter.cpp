#include "core/JsonWriter.h"

#include <cmath>

namespace quillmere {

namespace {

struct WriteFailure {
    std::string message;
};

class Writer {
  public:
    explicit Writer(JsonStyle style) : style_(style) {}

    void value(const nlohmann::json& json, int depth) {
        switch (json.type()) {
        case nlohmann::json::value_t::object:
            container('{', '}', json, depth, true);
            break;
        case nlohmann::json::value_t::array:
            container('[', ']', json, depth, false);
            break;
        case nlohmann::json::value_t::string:
            string(json.get_ref<const std::string&>());
            break;
        case nlohmann::json::value_t::number_float:
            number(json.get<double>());
            break;
        case nlohmann::json::value_t::binary:
        case nlohmann::json::value_t::discarded:
            throw WriteFailure{"The value cannot be written as JSON."};
        default:
            out_ += json.dump();
        }
    }

    std::string take() { return std::move(out_); }

  private:
    void container(char open, char close, const nlohmann::json& json, int depth, bool isObject) {
        out_ += open;
        if (json.empty()) {
            out_ += close;
            return;
        }
        bool first = true;
        // nlohmann keeps object members in std::string order, which is the order of their UTF-8 bytes.
        for (auto it = json.begin(); it != json.end(); ++it) {
            if (!first)
                out_ += ',';
            first = false;
            newline(depth + 1);
            if (isObject) {
                string(it.key());
                out_ += style_.pretty ? " : " : ":";
            }
            value(*it, depth + 1);
        }
        newline(depth);
        out_ += close;
    }

    void newline(int depth) {
        if (!style_.pretty)
            return;
        out_ += '\n';
        out_.append(static_cast<std::size_t>(depth) * 2, ' ');
    }

    void number(double number) {
        if (!std::isfinite(number))
            throw WriteFailure{"The number " + std::to_string(number) + " is not a valid JSON number."};
        // Whole numbers are written as integers, as the platform's encoder does (10, not 10.0).
        if (std::trunc(number) == number && std::abs(number) < 9007199254740992.0) {
            out_ += nlohmann::json(static_cast<std::int64_t>(number)).dump();
            return;
        }
        out_ += nlohmann::json(number).dump();
    }

    void string(const std::string& text) {
        std::string escaped;
        try {
            escaped = nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
        } catch (const nlohmann::json::exception&) {
            throw WriteFailure{"A text is not valid UTF-8."};
        }
        if (!style_.escapeSlashes) {
            out_ += escaped;
            return;
        }
        for (char c : escaped) {
            if (c == '/')
                out_ += '\\';
            out_ += c;
        }
    }

    JsonStyle style_;
    std::string out_;
};

} // namespace

Result<std::string, JsonWriteError> writeJson(const nlohmann::json& document, JsonStyle style) {
    Writer writer(style);
    try {
        writer.value(document, 0);
    } catch (const WriteFailure& failure) {
        return JsonWriteError{failure.message};
    }
    return writer.take();
}

} // namespace quillmere
