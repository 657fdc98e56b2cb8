// The platform's printer through Qt.

#include "toolkit/picture.h"
#include "toolkit/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The printer measures text as the screen does, so a printed layout matches the shown one, and
// writes the PDF when its context goes.
TEST(Printer, MeasuresTextAsTheScreenDoesAndWritesThePdfAtTheEnd) {
    const auto path = std::filesystem::temp_directory_path() / "parvok-printer-test.pdf";
    auto printer = tk::ThePlatform().OpenPrinter(path.string());
    ASSERT_NE(printer, nullptr);
    auto picture = tk::NewPicture(10, 10, 32);
    for (int size : {9, 20}) {
        for (tk::Graphics* g : {printer.get(), picture->Graphics()}) {
            g->SetTextFont("Helvetica");
            g->SetTextSize(size);
        }
        EXPECT_DOUBLE_EQ(printer->StringWidth("-0.25 x/L"), picture->Graphics()->StringWidth("-0.25 x/L"));
        EXPECT_EQ(printer->TextHeight(), picture->Graphics()->TextHeight());
    }
    printer->DrawRect(10, 10, 100, 50);
    printer->DrawString("Parvok", 20, 40);
    printer.reset();
    std::string head(5, '\0');
    std::ifstream(path, std::ios::binary).read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    std::filesystem::remove(path);
    EXPECT_EQ(tk::ThePlatform().OpenPrinter("/nonexistent-folder/plot.pdf"), nullptr) << "an unwritable file";
}

} // namespace
