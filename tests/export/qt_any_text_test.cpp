// Whatever the fields hold, the files stay well-formed: random texts of the pieces that files break
// on (line breaks, quotes, commas, NUL and other control characters, half characters, long texts)
// written into the CSV's comments and an SVG's title, and read back with libcsv and Qt's readers.

#include "export/data_table.h"
#include "toolkit/output.h"
#include "toolkit/platform.h"

#include <QStringDecoder>
#include <QXmlStreamReader>

#include <csv.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Records = std::vector<std::vector<std::string>>;

// A text of up to eight pieces; one in two hundred has ten thousand, so as many characters at least.
std::string RandomText(std::mt19937& random) {
    using std::string_view_literals::operator""sv;
    static constexpr std::string_view kPieces[] = {
        "1.5",          "-2e-3", " ",   "ψ₁",     "😀",      ",",      "\"",     "#",
        "\\",           "\\x41", "<&>", "\t",     "\0"sv,   "\x01",   "\x7f",   "\n",
        "\r\n",         "\r",    "\v",  "\u0085", "\u2028", "\u2029", "\uFFFE", "\xff",
        "\xe2\x82",     // a character cut short
        "\xed\xa0\x80", // half a character of UTF-16, as a careless converter leaves it
    };
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    const int pieces = random() % 200 == 0 ? 10000 : int(random() % 9);
    std::string text;
    for (int i = 0; i < pieces; ++i)
        text += kPieces[piece(random)];
    return text;
}

// The records of the text as libcsv reads them, strictly and keeping spaces; none when it cannot.
std::optional<Records> ReadCsv(const std::string& text) {
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    Records records(1);
    const auto field = [](void* chars, std::size_t size, void* to) {
        static_cast<Records*>(to)->back().emplace_back(static_cast<const char*>(chars), size);
    };
    const auto end = [](int, void* to) { static_cast<Records*>(to)->emplace_back(); };
    const bool read = csv_parse(&parser, text.data(), text.size(), field, end, &records) == text.size() &&
                      csv_fini(&parser, field, end, &records) == 0;
    csv_free(&parser);
    records.pop_back();
    return read ? std::optional(records) : std::nullopt;
}

// Whether the text is UTF-8 whose only control character or line separator is the line feed.
bool PlainLines(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArrayView(text));
    return !utf8.hasError() && std::ranges::all_of(decoded, [](QChar c) {
        const QChar::Category category = c.category();
        return c == u'\n' || (category != QChar::Other_Control && category != QChar::Separator_Line &&
                              category != QChar::Separator_Paragraph);
    });
}

// The bytes a comment's value stands for: "\\" a backslash, "\xNN" the byte NN.
std::string Unescaped(const std::string& value) {
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            bytes += value[i];
        } else if (value.compare(i + 1, 1, "\\") == 0) {
            bytes += value[++i];
        } else {
            unsigned byte = 0x100;
            std::from_chars(value.data() + std::min(i + 2, value.size()),
                            value.data() + std::min(i + 4, value.size()), byte, 16);
            bytes += char(byte);
            i += 3;
        }
    }
    return bytes;
}

// Thirteen comment lines, whose coefficient lines read as five values each, the typed texts among
// them as typed; then the header and 101 rows.
TEST(AnyText, LeavesTheCsvWellFormedWithTheTypedTextsInItsComments) {
    std::mt19937 random(20240614);
    for (int run = 0; run < 300; ++run) {
        SCOPED_TRACE(run);
        exporting::StateRecord record;
        for (int k = 0; k < physics::kComponents; ++k) {
            record.typedMagnitudes[k] = RandomText(random);
            record.typedAngles[k] = RandomText(random);
        }
        const std::string csv = exporting::DataTable(record);
        ASSERT_TRUE(PlainLines(csv));
        std::vector<std::string> comments;
        std::string table;
        std::istringstream lines(csv);
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("#"))
                comments.push_back(line);
            else
                table += line + "\n";
        }
        ASSERT_EQ(comments.size(), 13U);
        for (int k = 0; k < physics::kComponents; ++k) {
            const auto values = ReadCsv(comments[5 + k].substr(2));
            ASSERT_TRUE(values && values->size() == 1 && values->front().size() == 5) << comments[5 + k];
            EXPECT_EQ(Unescaped(values->front()[1]), record.typedMagnitudes[k]);
            EXPECT_EQ(Unescaped(values->front()[2]), record.typedAngles[k]);
        }
        const auto rows = ReadCsv(table);
        ASSERT_TRUE(rows && rows->size() == 102U && rows->back().size() == 7);
    }
}

TEST(AnyText, LeavesTheSvgXmlAsItsTitle) {
    std::mt19937 random(20240614);
    for (int run = 0; run < 300; ++run) {
        const tk::Drawing drawing{RandomText(random), "any.svg", 10, 10, [](tk::Graphics&) {}};
        QXmlStreamReader xml(
            QByteArray::fromStdString(tk::ThePlatform().Output().Encode(drawing, tk::PictureFormat::Svg)));
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << run << ": " << xml.errorString().toStdString();
    }
}

} // namespace
