#include "model/CoreText.h"

#include <atomic>
#include <vector>

namespace coretext {

namespace {

std::atomic<Translator> current{nullptr};

}  // namespace

void SetTranslator(Translator translator)
{
    current.store(translator);
}

std::string translate(const char* context, const char* source)
{
    if (const Translator translator = current.load())
        return translator(context, source);
    return source;
}

std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = std::size_t(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace coretext
