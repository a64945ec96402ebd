#pragma once

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
