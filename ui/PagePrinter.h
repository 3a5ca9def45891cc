#pragma once
// Lays a rich-edit document out on a printer DC with GDI, for controls whose
// EM_FORMATRANGE draws nothing (Wine's): paragraphs in their runs of style,
// tab stops and alignment, broken at the right margin and across pages.
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

namespace ui {

struct PrintRun {
    std::string text;
    CHARFORMAT2A format;
};

struct PrintParagraph {
    std::vector<PrintRun> runs;
    CHARFORMAT2A endFormat;  // the height of an empty paragraph
    PARAFORMAT2 format;
};

// Prints the document inside `area` (device pixels) in a job already
// started on `printer`; false when the printer refused a page.
bool PrintParagraphs(HDC printer, const RECT& area, const std::vector<PrintParagraph>& document);

class RichEdit;

// Prints the whole document of `edit` as one job of that title: through the
// control's EM_FORMATRANGE where it lays pages out, else by PrintParagraphs.
// Throws when the printer refuses the job.
void PrintRichEdit(const RichEdit& edit, HDC printer, const std::string& title);

}  // namespace ui
