// The frame of the HTML document: head with style sheet, title block and
// table opening; the table end; the closing of body and document.
#pragma once
#include <cstdint>

namespace zeb {

// Writes everything from the document type line to "<table>", with `amount`
// in the title.
void printDocumentHead(std::int64_t amount);

// Closes the table after its last row.
void printTableEnd();

// Closes the body and the document: the last output of an HTML report.
void printDocumentClosing();

}  // namespace zeb
