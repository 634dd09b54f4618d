#include "tests/support/CheckGames.h"

#include "scenario/ScriptText.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"
#include "tests/graphics/ImageBuilders.h"

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using gamecheck::Kind;
using gamecheck::Severity;

namespace checkgames {
namespace {

// A narration that fills the message area, every event the player performs
// without being asked, then the two choices at the end of second.evt, so
// the player reaches each line in turn.
const char* const kStart = R"(%FULL%
@settitle test
@setfade 0 0 0 0
@background bg.bmp
@chara girl.bmp girl_m.bmp 0 0
@chara boy.png boy_m.png 1 2
@chara key.bmp AUTO 2 1
@anime 0 2 0,bg2.bmp,0/4,girl.bmp,girl_m.bmp,0,10,10,100,100,0,0,0,255/
@setflag seen 0
@setparam score score 0 1
@setparam score RAND 4 6
@jump nil here 1 seen
*here
@pcm se.wav 0
@midi bgm.mid 0 1
@mp3 song.mp3 0
@vorbis voice.ogg 1 0 0
@cdda 3 0
@jump second.evt top 0 nil
)";

const char* const kSecond = R"(*top
@wait 0
@select 右へ right 左へ left nil nil
*right
@btnselect base.bmp over.bmp left 2 left,0,0,8,6,right,8,0,8,6
*left
;end
)";

// The text of start.evt's first line, which fills the message area exactly
// at 5 x 25 characters. With the message font of the tests (24 pixels a full-width
// character), 25 characters fit the default area's 601 pixels, and five
// lines of 26 pixels its 131.
std::string FullMessage(int32_t characters) {
    std::string text;
    for (int32_t n = 0; n < characters; ++n)
        text += "あ";
    return text;
}

std::string StartScript() {
    std::string script = kStart;
    script.replace(script.find("%FULL%"), 6, FullMessage(5 * 25));
    return script;
}

using imagetest::Bytes;

Bytes Bmp24(int32_t width, int32_t height, uint8_t shade) {
    imagetest::BmpFields fields;
    fields.width = width;
    fields.height = height;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    for (int32_t y = 0; y < height; ++y) {
        Bytes row(stride, 0);
        for (int32_t x = 0; x < width; ++x) {
            row[3 * x] = shade;
            row[3 * x + 1] = static_cast<uint8_t>(x * 16);
            row[3 * x + 2] = static_cast<uint8_t>(y * 16);
        }
        fields.rows.push_back(row);
    }
    return imagetest::MakeBmp(fields);
}

// An 8-bit grey mask: palette entry i is grey i, pixels a gradient.
Bytes GreyBmp8(int32_t width, int32_t height) {
    imagetest::BmpFields fields;
    fields.width = width;
    fields.height = height;
    fields.bits = 8;
    for (uint32_t i = 0; i < 256; ++i)
        fields.palette.push_back(i * 0x010101u);
    const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
    for (int32_t y = 0; y < height; ++y) {
        Bytes row(stride, 0);
        for (int32_t x = 0; x < width; ++x)
            row[x] = static_cast<uint8_t>(x * 30);
        fields.rows.push_back(row);
    }
    return imagetest::MakeBmp(fields);
}

Bytes Png(int32_t width, int32_t height, bool grey, uint8_t interlace = 0,
          uint8_t filterMethod = 0) {
    const int channels = grey ? 1 : 3;
    Bytes raw;
    for (int32_t y = 0; y < height; ++y) {
        raw.push_back(0); // filter type None
        for (int32_t i = 0; i < width * channels; ++i)
            raw.push_back(static_cast<uint8_t>(i * 20 + y));
    }
    Bytes header = imagetest::Ihdr(width, height, 8, grey ? 0 : 2, interlace);
    header[11] = filterMethod; // after width, height, depth, colour type, compression
    return imagetest::MakePng(header, raw);
}

// A 16-bit BMP, which the player does not read.
Bytes Bmp16(int32_t width, int32_t height) {
    imagetest::BmpFields fields;
    fields.width = width;
    fields.height = height;
    fields.bits = 16;
    for (int32_t y = 0; y < height; ++y)
        fields.rows.push_back(Bytes((static_cast<size_t>(width) * 2 + 3) / 4 * 4, 0x11));
    return imagetest::MakeBmp(fields);
}

// A short wave file: 8-bit mono, 8000 Hz, 80 samples of silence.
Bytes Wave() {
    Bytes b;
    const auto text = [&](const char* s) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(s[i]));
    };
    text("RIFF");
    imagetest::PutLE32(b, 36 + 80);
    text("WAVE");
    text("fmt ");
    imagetest::PutLE32(b, 16);
    imagetest::PutLE16(b, 1);
    imagetest::PutLE16(b, 1);
    imagetest::PutLE32(b, 8000);
    imagetest::PutLE32(b, 8000);
    imagetest::PutLE16(b, 1);
    imagetest::PutLE16(b, 8);
    text("data");
    imagetest::PutLE32(b, 80);
    b.resize(b.size() + 80, 0x80);
    return b;
}

// A MIDI file with one empty track.
Bytes Midi() {
    return Bytes{'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0, 0,    1,    0,
                 96,  'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0};
}

void Write(const fs::path& path, const Bytes& bytes) {
    fs::create_directories(path.parent_path());
    if (!imagetest::WriteFile(path.string(), bytes))
        throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const fs::path& path, const std::string& text) {
    Write(path, Bytes(text.begin(), text.end()));
}

// The atomic writer behind Save syncs every file to disk, which costs more
// than everything else a test game needs; each distinct file is saved once
// and its bytes copied afterwards. `save` writes the file at `path`.
void WriteSaved(const fs::path& path, const std::string& key,
                const std::function<bool(const std::string&)>& save) {
    static std::map<std::string, Bytes> saved;
    fs::create_directories(path.parent_path());
    if (const auto it = saved.find(key); it != saved.end()) {
        Write(path, it->second);
        return;
    }
    if (!save(path.string()))
        throw std::runtime_error("cannot write " + path.string());
    std::ifstream in(path, std::ios::binary);
    saved.emplace(key, Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

// Compiles UTF-8 script text into an event file.
void WriteEvents(const fs::path& path, const std::string& utf8) {
    WriteSaved(path, "evt\n" + utf8, [&](const std::string& target) {
        VNString sjis;
        if (!VNString::FromUtf8(utf8, sjis))
            throw std::runtime_error("script text without a Shift-JIS form");
        VNEventFile events;
        FromScriptText(sjis.Bytes(), events);
        return events.Save(target);
    });
}

void WriteParams(const fs::path& path, const std::vector<std::pair<const char*, int32_t>>& params) {
    std::string key = "flg";
    for (const auto& [name, value] : params)
        key += "\n" + std::string(name) + "\t" + std::to_string(value);
    WriteSaved(path, key, [&](const std::string& target) {
        VNParamFile file;
        for (const auto& [name, value] : params)
            file.Add(VNString(name), value);
        return file.Save(target);
    });
}

std::string ReplaceLine(const std::string& text, int32_t line, const std::string& replacement) {
    std::istringstream in(text);
    std::string out;
    std::string current;
    for (int32_t n = 1; std::getline(in, current); ++n)
        out += (n == line ? replacement : current) + "\n";
    return out;
}

// Alterations used by several plants.
auto Remove(const char* relative) {
    return [relative](const fs::path& root) { fs::remove(root / relative); };
}
auto Add(const char* relative, Bytes (*make)()) {
    return [relative, make](const fs::path& root) { Write(root / relative, make()); };
}
// Every "/" in the texts of an event made CR LF, as multi-line fields once
// wrote a line break.
auto SlashesAsCrLf(const char* file, int32_t line) {
    return [file, line](const fs::path& root) {
        const std::string path = (root / "event" / file).string();
        VNEventFile events;
        if (!events.Load(path))
            throw std::runtime_error("cannot read " + path);
        VNEvent& event = *events.Get(line - 1);
        for (int32_t n = 0; n < event.GetParamCount(); ++n) {
            if (event.IsIntArg(n))
                continue;
            std::string text = event.GetString(n).Bytes();
            for (size_t at = text.find('/'); at != std::string::npos; at = text.find('/', at))
                text.replace(at, 1, "\r\n");
            event.SetString(n, VNString::FromBytes(text));
        }
        if (!events.Save(path))
            throw std::runtime_error("cannot write " + path);
    };
}

} // namespace

void WriteGame(const fs::path& root, const std::string& file, int32_t line,
               const std::string& text) {
    const std::map<std::string, std::string> events = {{"start.evt", StartScript()},
                                                       {"second.evt", kSecond}};
    for (const auto& [name, script] : events)
        WriteEvents(root / "event" / name, name == file ? ReplaceLine(script, line, text) : script);
    // The message font of the player's tests, a fixed-pitch face.
    WriteText(root / "game.ini", "[game]\r\nMsgFontName=default\r\n");
    WriteParams(root / "save" / "global.flg", {{"seen", 0}, {"score", 0}});
    WriteParams(root / "save" / "local.flg", {{"visits", 0}});

    const fs::path cg = root / "cg";
    Write(cg / "bg.bmp", Bmp24(16, 12, 0x40));
    Write(cg / "bg2.bmp", Bmp24(16, 12, 0x80));
    Write(cg / "girl.bmp", Bmp24(8, 10, 0xC0));
    Write(cg / "girl_m.bmp", GreyBmp8(8, 10));
    Write(cg / "boy.png", Png(6, 8, false));
    Write(cg / "boy_m.png", Png(6, 8, true));
    Write(cg / "key.bmp", Bmp24(4, 4, 0xFF));
    Write(cg / "base.bmp", Bmp24(16, 12, 0x20));
    Write(cg / "over.bmp", Bmp24(16, 12, 0xE0));

    Write(root / "pcm" / "se.wav", Wave());
    Write(root / "midi" / "bgm.mid", Midi());
    // Music the player cannot decode plays silently; the check only looks
    // for the files.
    WriteText(root / "mp3" / "song.mp3", "not really MP3");
    WriteText(root / "vorbis" / "voice.ogg", "not really Vorbis");
    WriteText(root / "cdda" / "track03.ogg", "not really Vorbis");
}

// A plant that replaces one line, and one that changes the folder otherwise.
Plant Line(const char* what, const char* file, int32_t line, const char* text) {
    Plant plant;
    plant.what = what;
    plant.file = file;
    plant.line = line;
    plant.text = text;
    return plant;
}
Plant Change(const char* what, std::function<void(const fs::path&)> alter) {
    Plant plant;
    plant.what = what;
    plant.alter = std::move(alter);
    return plant;
}
Plant LineAnd(const char* what, const char* file, int32_t line, const char* text,
              std::function<void(const fs::path&)> alter) {
    Plant plant = Line(what, file, line, text);
    plant.alter = std::move(alter);
    return plant;
}

const std::vector<Plant>& Plants() {
    static const std::string oneTooMany = FullMessage(5 * 25 + 1);
    const char* const kOneTooMany = oneTooMany.c_str();
    // Fills the area, unless the "。" that begins line 2 takes a character along.
    static const std::string fullStop = FullMessage(25) + "。" + FullMessage(5 * 25 - 26);
    const auto E = Severity::Error;
    const auto W = Severity::Warning;
    const char* const start = "event/start.evt";
    const char* const second = "event/second.evt";
    static const std::vector<Plant> plants = {
        // --- what stops the player ---
        Line("jump to an event file that does not exist", "start.evt", 12,
             "@jump third.evt here 1 seen")
            .Finds(E, Kind::EventFile, start, 12)
            .Stops("IDD_EVTLOADERROR"),
        Line("jump to a label missing in another file", "start.evt", 19,
             "@jump second.evt ending 0 nil")
            .Finds(E, Kind::Label, start, 19)
            .Stops("IDD_LABELUNDEFINED"),
        Line("jump to a label missing in this file", "start.evt", 12, "@jump nil there 0 nil")
            .Finds(E, Kind::Label, start, 12)
            .Stops("IDD_LABELUNDEFINED"),
        Line("a choice's label missing", "second.evt", 3, "@select 右へ right 左へ lft nil nil")
            .Finds(E, Kind::Label, second, 3)
            .Stops("IDD_LABELUNDEFINED")
            .Choosing(2),
        Line("a button's label missing", "second.evt", 5,
             "@btnselect base.bmp over.bmp left 2 left,0,0,8,6,rite,8,0,8,6")
            .Finds(E, Kind::Label, second, 5)
            .Stops("IDD_LABELUNDEFINED")
            .Choosing(2),
        Line("the cancel label missing", "second.evt", 5,
             "@btnselect base.bmp over.bmp back 2 left,0,0,8,6,right,8,0,8,6")
            .Finds(E, Kind::Label, second, 5)
            .Stops("IDD_LABELUNDEFINED")
            .Choosing(-1),
        Line("setflag on an undeclared parameter", "start.evt", 9, "@setflag sen 0")
            .Finds(E, Kind::Parameter, start, 9)
            .Stops("IDD_PARAMUNDECLARED"),
        Line("setparam into an undeclared parameter", "start.evt", 10, "@setparam scor score 0 1")
            .Finds(E, Kind::Parameter, start, 10)
            .Stops("IDD_PARAMUNDECLARED"),
        Line("setparam from an undeclared parameter", "start.evt", 10, "@setparam score 1 0 visit")
            .Finds(E, Kind::Parameter, start, 10)
            .Stops("IDD_PARAMUNDECLARED"),
        Line("a jump condition on an undeclared parameter", "start.evt", 12,
             "@jump nil here 1 sene")
            .Finds(E, Kind::Parameter, start, 12)
            .Stops("IDD_PARAMUNDECLARED"),
        Line("setflag without a parameter", "start.evt", 9, "@setflag nil 0")
            .Finds(E, Kind::MissingEntry, start, 9)
            .Stops("IDD_MISSINGENTRY"),
        Line("setparam without its second operand", "start.evt", 10, "@setparam score score 0 nil")
            .Finds(E, Kind::MissingEntry, start, 10)
            .Stops("IDD_MISSINGENTRY"),
        Line("a button choice without its base image", "second.evt", 5,
             "@btnselect nil over.bmp left 2 left,0,0,8,6,right,8,0,8,6")
            .Finds(E, Kind::MissingEntry, second, 5)
            .Stops("IDD_MISSINGENTRY"),
        Line("a character image that does not exist", "start.evt", 5,
             "@chara girl2.bmp girl_m.bmp 0 0")
            .Finds(E, Kind::Image, start, 5)
            .Stops("IDD_IMAGELOADERROR"),
        Line("a mask that does not exist", "start.evt", 5, "@chara girl.bmp girl_n.bmp 0 0")
            .Finds(E, Kind::Image, start, 5)
            .Stops("IDD_IMAGELOADERROR"),
        LineAnd("a background of 16 bits per pixel", "start.evt", 4, "@background deep.bmp",
                Add("cg/deep.bmp", [] { return Bmp16(16, 12); }))
            .Finds(E, Kind::Image, start, 4)
            .Stops("IDD_IMAGELOADERROR"),
        LineAnd("a PNG of an unknown interlace method", "start.evt", 6, "@chara laced.png nil 1 2",
                Add("cg/laced.png", [] { return Png(6, 8, false, 2); }))
            .Finds(E, Kind::Image, start, 6)
            .Stops("IDD_IMAGELOADERROR"),
        LineAnd("a PNG of an unknown filter method", "start.evt", 6, "@chara method.png nil 1 2",
                Add("cg/method.png", [] { return Png(6, 8, false, 0, 1); }))
            .Finds(E, Kind::Image, start, 6)
            .Stops("IDD_IMAGELOADERROR"),
        LineAnd("a palette PNG without its palette", "start.evt", 6, "@chara bare.png nil 1 2",
                Add("cg/bare.png",
                    [] { return imagetest::MakePng(imagetest::Ihdr(6, 8, 8, 3), Bytes(56, 0)); }))
            .Finds(E, Kind::Image, start, 6)
            .Stops("IDD_IMAGELOADERROR"),
        LineAnd("a PNG mask of 16-bit palette indices", "start.evt", 6,
                "@chara boy.png deep_m.png 1 2",
                Add("cg/deep_m.png",
                    [] { return imagetest::MakePng(imagetest::Ihdr(6, 8, 16, 3), Bytes(104, 0)); }))
            .Finds(E, Kind::Image, start, 6)
            .Stops("IDD_IMAGELOADERROR"),
        LineAnd("a mask of another size", "start.evt", 5, "@chara girl.bmp small_m.bmp 0 0",
                Add("cg/small_m.bmp", [] { return GreyBmp8(4, 4); }))
            .Finds(E, Kind::Image, start, 5)
            .Stops("IDD_IMAGELOADERROR"),
        Line("NOCHANGE as background", "start.evt", 4, "@background NOCHANGE")
            .Finds(E, Kind::Image, start, 4)
            .Stops("IDD_IMAGELOADERROR"),
        Line("an anime image that does not exist", "start.evt", 8,
             "@anime 0 1 4,gril.bmp,,0,10,10,100,100,0,0,0,255/")
            .Finds(E, Kind::Image, start, 8)
            .Stops("IDD_IMAGELOADERROR"),
        Line("an anime background kept with NOCHANGE", "start.evt", 8, "@anime 0 1 0,NOCHANGE,0/")
            .Finds(E, Kind::Image, start, 8)
            .Stops("IDD_IMAGEALREADYLOADED"),
        Line("a character position of 3", "start.evt", 7, "@chara key.bmp AUTO 3 1")
            .Finds(E, Kind::Option, start, 7)
            .Stops("IDD_INVALIDOPTION"),
        Line("a jump condition of 3", "start.evt", 12, "@jump nil here 3 seen")
            .Finds(E, Kind::Option, start, 12)
            .Stops("IDD_INVALIDOPTION"),
        Line("a flag operation of 3", "start.evt", 9, "@setflag seen 3")
            .Finds(E, Kind::Option, start, 9)
            .Stops("IDD_INVALIDOPTION"),
        Line("an operator of 13", "start.evt", 11, "@setparam score RAND 13 6")
            .Finds(E, Kind::Option, start, 11)
            .Stops("IDD_INVALIDOPTION"),
        Line("a remainder of a division by the number 0", "start.evt", 11,
             "@setparam score RAND 4 0")
            .Finds(E, Kind::Option, start, 11)
            .Stops("IDD_INVALIDOPTION"),
        Line("an anime layer 11", "start.evt", 8,
             "@anime 0 1 11,girl.bmp,,0,10,10,100,100,0,0,0,255/")
            .Finds(E, Kind::Option, start, 8)
            .Stops("IDD_INVALIDOPTION"),
        Line("an anime count above its entries", "start.evt", 8, "@anime 0 2 0,bg2.bmp,0/")
            .Finds(E, Kind::Option, start, 8)
            .Stops("IDD_INVALIDOPTION"),
        Change("an event file that does not load",
               [](const fs::path& root) {
                   // The count says 8 events; the file holds 7, so it ends
                   // where the code of event 8 should be. The count's value
                   // follows the signature item (5 + 9 bytes) and its tag.
                   std::fstream file(root / "event" / "second.evt",
                                     std::ios::in | std::ios::out | std::ios::binary);
                   file.seekp(15);
                   file.put(8);
               })
            .Finds(E, Kind::EventFile, second, 8)
            .Stops("IDD_EVTLOADERROR", "start.evt", 19),
        Change("start.evt missing", Remove("event/start.evt"))
            .Finds(E, Kind::GameFile, start, 0)
            .Stops("IDD_EVTLOADERROR", ""),
        Change("global.flg missing", Remove("save/global.flg"))
            .Finds(E, Kind::GameFile, "save/global.flg", 0)
            .Stops("IDD_LOADERROR", ""),
        Change("local.flg that does not load",
               [](const fs::path& root) { WriteText(root / "save" / "local.flg", "eventdata"); })
            .Finds(E, Kind::GameFile, "save/local.flg", 0)
            .Stops("IDD_LOADERROR", ""),

        // --- likely slips ---
        Line("a name in another letter case", "start.evt", 5, "@chara Girl.BMP girl_m.bmp 0 0")
            .Finds(W, Kind::LetterCase, start, 5),
        Change("a file name without a Shift-JIS form",
               Add("cg/\xF0\x9F\x98\x80.bmp", [] { return Bmp24(2, 2, 0); }))
            .Finds(W, Kind::FileName, "cg/\xF0\x9F\x98\x80.bmp", 0),
        Change("a file name in Shift-JIS bytes",
               Add("cg/\x95\x5c.bmp", [] { return Bmp24(2, 2, 0); }))
            .Finds(W, Kind::FileName, "cg/\x95\x5c.bmp", 0),
        Line("a wave file that does not exist", "start.evt", 14, "@pcm sea.wav 0")
            .Finds(W, Kind::Sound, start, 14),
        Line("a MIDI file that does not exist", "start.evt", 15, "@midi bgn.mid 0 1")
            .Finds(W, Kind::Sound, start, 15),
        Line("an MP3 file that does not exist", "start.evt", 16, "@mp3 sang.mp3 0")
            .Finds(W, Kind::Sound, start, 16),
        Line("a Vorbis file that does not exist", "start.evt", 17, "@vorbis vice.ogg 1 0 0")
            .Finds(W, Kind::Sound, start, 17),
        Line("a CD track without its file", "start.evt", 18, "@cdda 4 0")
            .Finds(W, Kind::Sound, start, 18),
        Change("an event file never reached",
               [](const fs::path& root) { WriteEvents(root / "event" / "old.evt", "おしまい\n"); })
            .Finds(W, Kind::Unreached, "event/old.evt", 0),
        Line("events after an unconditional jump", "start.evt", 2, "@jump nil here 0 nil")
            .Finds(W, Kind::Unreached, start, 3),
        Line("a label defined twice", "start.evt", 1, "*here")
            .Finds(W, Kind::DuplicateLabel, start, 13),
        Line("a text the script text cannot carry", "start.evt", 1, "@narration  ;まえがき")
            .Finds(W, Kind::ScriptText, start, 1),
        LineAnd("a line break written as CR LF", "start.evt", 1, "まえ/あと",
                SlashesAsCrLf("start.evt", 1))
            .Finds(W, Kind::MessageText, start, 1),
        LineAnd("a line break in a choice", "second.evt", 3,
                "@select 右/へ right 左へ left nil nil", SlashesAsCrLf("second.evt", 3))
            .Finds(W, Kind::MessageText, second, 3),
        Line("a message of more lines than the area holds", "start.evt", 1, "一/二/三/四/五/六")
            .Finds(W, Kind::MessageLength, start, 1),
        Line("a message wrapped beyond the area", "start.evt", 1, kOneTooMany)
            .Finds(W, Kind::MessageLength, start, 1),
        Line("a speech whose pages take more lines than the area holds", "start.evt", 1,
             "\\花子\\一/二\\三/四\\五")
            .Finds(W, Kind::MessageLength, start, 1),
        LineAnd("a message wrapped beyond the area by MsgKinsoku", "start.evt", 1, fullStop.c_str(),
                [](const fs::path& r) {
                    WriteText(r / "game.ini", "[game]\nMsgFontName=default\nMsgKinsoku=1");
                })
            .Finds(W, Kind::MessageLength, start, 1),
        Change("game.ini in UTF-8",
               [](const fs::path& root) {
                   WriteText(root / "game.ini",
                             "\xEF\xBB\xBF[game]\r\nTitle=テスト\r\nMsgFontName=default\r\n");
               })
            .Finds(W, Kind::GameIni, "game.ini", 0),
        Change("game.ini neither Shift-JIS nor UTF-8",
               [](const fs::path& root) {
                   WriteText(root / "game.ini", "[game]\r\nTitle=\xFF\r\nMsgFontName=default\r\n");
               })
            .Finds(W, Kind::GameIni, "game.ini", 0),
        Line("a button image that does not exist", "second.evt", 5,
             "@btnselect bse.bmp over.bmp left 2 left,0,0,8,6,right,8,0,8,6")
            .Finds(W, Kind::Image, second, 5),
        Line("a vertical alignment of 5", "start.evt", 6, "@chara boy.png boy_m.png 1 5")
            .Finds(W, Kind::Option, start, 6),
        Line("an anime list longer than its count", "start.evt", 8,
             "@anime 0 1 0,bg2.bmp,0/4,girl.bmp,girl_m.bmp,0,10,10,100,100,0,0,0,255/")
            .Finds(W, Kind::Option, start, 8),
        Line("a button list shorter than its count", "second.evt", 5,
             "@btnselect base.bmp over.bmp left 3 left,0,0,8,6,right,8,0,8,6")
            .Finds(W, Kind::Option, second, 5),
    };
    return plants;
}

void WritePlanted(const fs::path& root, const Plant& plant) {
    WriteGame(root, plant.file, plant.line, plant.text);
    if (plant.alter)
        plant.alter(root);
}

} // namespace checkgames
