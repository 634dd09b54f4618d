// Arbitrary bytes as a script text given to `vnscript compile`: decoded from
// UTF-8 or taken as Shift-JIS, each line checked for the warnings compile
// gives, and the whole text read into events.
#include "scenario/ScriptText.h"
#include "scenario/VNString.h"
#include "tools/vnscript/TextEncoding.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const vnscript::Encoding encoding :
         {vnscript::Encoding::Utf8, vnscript::Encoding::ShiftJis}) {
        std::string sjis;
        std::string error;
        if (!vnscript::DecodeText(text, encoding, sjis, error))
            continue;
        ForEachScriptLine(sjis, [](int32_t, const VNString& line) {
            (void)FindScriptLineIssues(line);
            std::string shown;
            (void)vnscript::EncodeLine(line.Bytes(), vnscript::Encoding::Utf8, shown);
        });
        (void)FromScriptText(sjis);
    }
    return 0;
}
