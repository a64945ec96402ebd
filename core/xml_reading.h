#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/text.h"

namespace quillpad {

// One element of an XML file: the names of the elements from the root down to it, joined
// by '/' ("XML_DIZ_INFO/Program_Info/Program_Name"), and the character data directly
// inside it (CDATA included, entities of the XML itself resolved), untrimmed.
struct XmlElement {
  Text path;
  Text text;
};

// How deep a file's elements may nest, the root counting as the first. A PAD file nests four
// deep; a deeper file is refused whole, so that the paths kept for a file of any shape cost
// no more than a bounded multiple of its size.
inline constexpr std::size_t kXmlDepthLimit = 16;

// What a front end's XML reader made of a file. The reader never processes a document type
// declaration: a file with one is refused whole, so no entity is expanded and nothing
// outside the file is read.
struct XmlReading {
  enum class Outcome : std::uint8_t {
    kRead,
    kFolder,
    kUnreadable,
    kTooLarge,
    kNotXml,
    kDocumentType,
    kTooDeep,
  };
  Outcome outcome = Outcome::kUnreadable;
  // Where a file that is not XML goes wrong, counted from 1.
  std::int64_t line = 0;
  std::int64_t column = 0;
  // The reader's own words on what is wrong, or the system's on why the file cannot be read.
  Text reason;
  // Every element in document order, the root first; only when the file was read.
  std::vector<XmlElement> elements;
};

}  // namespace quillpad
