#include "toolkit/picture.h"
#include "toolkit/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path TempPdf(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("parvok-" + name + ".pdf");
}

std::string Head(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string head(5, '\0');
    file.read(head.data(), 5);
    return head;
}

TEST(Printer, MeasuresTextAsTheScreenDoesSoLayoutsMatch) {
    const auto path = TempPdf("metrics");
    auto printer = tk::ThePlatform().OpenPrinter(path.string());
    ASSERT_NE(printer, nullptr);
    auto picture = tk::NewPicture(10, 10, 32);
    for (int size : {9, 12, 20}) {
        for (tk::Graphics* g : {printer.get(), picture->Graphics()}) {
            g->SetTextFont("Helvetica");
            g->SetTextSize(size);
        }
        EXPECT_DOUBLE_EQ(printer->StringWidth("-0.25 x/L"), picture->Graphics()->StringWidth("-0.25 x/L"));
        EXPECT_EQ(printer->TextHeight(), picture->Graphics()->TextHeight());
    }
    printer.reset();
    std::filesystem::remove(path);
}

TEST(Printer, WritesThePdfWhenTheContextGoes) {
    const auto path = TempPdf("page");
    auto printer = tk::ThePlatform().OpenPrinter(path.string());
    ASSERT_NE(printer, nullptr);
    printer->DrawRect(10, 10, 100, 50);
    printer->DrawString("Parvok", 20, 40);
    printer.reset();
    EXPECT_EQ(Head(path), "%PDF-");
    std::filesystem::remove(path);
}

TEST(Printer, UnwritableFileGivesNoContext) {
    EXPECT_EQ(tk::ThePlatform().OpenPrinter("/nonexistent-folder/plot.pdf"), nullptr);
}

} // namespace
