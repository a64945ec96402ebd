#pragma once

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/xml_reading.h"

namespace quillpad::testing {

// What a reader made of a file, with no elements.
inline XmlReading Reading(XmlReading::Outcome outcome, TextView reason = {}, std::int64_t line = 0,
                          std::int64_t column = 0) {
  XmlReading reading;
  reading.outcome = outcome;
  reading.line = line;
  reading.column = column;
  reading.reason = Text(reason);
  return reading;
}

// A file read as a front end's XML reader hands it over: the root, then each given element
// by its path below the root, preceded by those of its enclosing elements not given yet,
// which hold only the white space that indents the file.
inline XmlReading PadDocument(std::initializer_list<std::pair<TextView, TextView>> elements,
                              TextView root = u"XML_DIZ_INFO") {
  XmlReading reading = Reading(XmlReading::Outcome::kRead);
  reading.elements.push_back({Text(root), u"\n\t"});
  const auto given = [&](const Text& path) {
    return std::any_of(reading.elements.begin(), reading.elements.end(),
                       [&](const XmlElement& element) { return element.path == path; });
  };
  for (const auto& [path, text] : elements) {
    const Text full = Text(root) + u'/' + Text(path);
    for (auto slash = full.find(u'/', root.size() + 1); slash != Text::npos;
         slash = full.find(u'/', slash + 1)) {
      const Text enclosing = full.substr(0, slash);
      if (!given(enclosing)) reading.elements.push_back({enclosing, u"\n\t\t"});
    }
    reading.elements.push_back({full, Text(text)});
  }
  return reading;
}

}  // namespace quillpad::testing
