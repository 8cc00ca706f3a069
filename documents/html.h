#pragma once

#include <string>
#include <string_view>

// The few HTML elements the documents use: headings, paragraphs,
// preformatted text, ordered lists and a page break. Both Qt's text
// document and a browser render them alike; anything more (tables, floats,
// fonts) the two would not.
namespace stereona::documents {

// Text with &, < and > written as entities, so that a message such as
// "<>0!" reads as itself.
std::string Escaped(std::string_view text);

// The whole document: a title and the body's elements.
std::string HtmlDocument(std::string_view title, std::string_view body);

// Elements, each on its own line. The text given is escaped; `breakBefore`
// starts a new printed page.
std::string Heading(int level, std::string_view text, bool breakBefore = false);
std::string Paragraph(std::string_view text);

// Lines ending in CRLF become lines of a <pre> block with LF, as a box shows
// them.
std::string Preformatted(std::string_view lines);

// Elements given as HTML that are kept on one printed page where the
// renderer can do that (a browser can, Qt's text document breaks anywhere).
std::string KeptTogether(std::string_view html);

// An ordered list of items given as inline HTML (no blocks: Qt's text
// document makes each line of a block inside an item an item of its own);
// each item is kept on one printed page where the renderer can do that.
class OrderedList {
 public:
  void AddItem(std::string_view html);
  std::string Html() const;

 private:
  std::string items_;
};

}  // namespace stereona::documents
