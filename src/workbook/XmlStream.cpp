#include "workbook/XmlStream.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "workbook/OpeningError.h"

namespace kaldoren {
namespace {

std::string_view View(const xmlChar* text) {
  return text == nullptr ? std::string_view()
                         : std::string_view(reinterpret_cast<const char*>(text));
}

std::string_view View(const xmlChar* begin, const xmlChar* end) {
  return std::string_view(reinterpret_cast<const char*>(begin), static_cast<size_t>(end - begin));
}

// What the SAX callbacks reach through the parser's user data.
struct Session {
  XmlHandler* handler = nullptr;
  xmlParserCtxtPtr context = nullptr;
  std::string member;
  bool declares_dtd = false;
  std::vector<XmlAttribute> attributes;
  // Attribute values with "&amp;" decoded, for the element counted
  // decoded_element; elements are counted as they start.
  std::vector<std::string> decoded;
  std::uint64_t element = 0;
  std::uint64_t decoded_element = 0;
  // The last namespace met and its view: libxml2 keeps one copy of each, and
  // measuring the long namespace of every element showed in profiles.
  const xmlChar* last_uri = nullptr;
  std::string_view last_uri_view;
  // Views of the names met, by where libxml2's dictionary keeps them (one
  // copy of each name, so the same name comes at the same address): measuring
  // every element's and attribute's name showed in profiles too.
  struct KnownName {
    const xmlChar* name = nullptr;
    std::string_view view;
  };
  std::array<KnownName, 64> names;

  std::string_view Uri(const xmlChar* uri) {
    if (uri != last_uri) {
      last_uri = uri;
      last_uri_view = View(uri);
    }
    return last_uri_view;
  }

  std::string_view Name(const xmlChar* name) {
    // The dictionary packs short names side by side: their addresses differ
    // in the lowest bits.
    KnownName& known = names[reinterpret_cast<std::uintptr_t>(name) % names.size()];
    if (known.name != name) known = {name, View(name)};
    return known.view;
  }

  void StopIfFailed() {
    if (!handler->failure().ok()) xmlStopParser(context);
  }
};

// Without entity replacement libxml2 hands an attribute's "&amp;" on as
// "&#38;" (for a tree to escape again); the handler wants the plain "&".
// Kept out of the way of the common value, which has no '&'.
[[gnu::cold, gnu::noinline]] std::string_view DecodeAmpersands(std::string_view value,
                                                               Session* session) {
  constexpr std::string_view kEscaped = "&#38;";
  if (value.find(kEscaped) == std::string_view::npos) return value;
  // The room of the element's decoded values is reserved before the first,
  // so that the views of the earlier ones stay put.
  if (session->decoded_element != session->element) {
    session->decoded_element = session->element;
    session->decoded.clear();
    session->decoded.reserve(session->attributes.size());
  }
  std::string plain;
  for (size_t i = 0; i < value.size();) {
    if (value.substr(i, kEscaped.size()) == kEscaped) {
      plain += '&';
      i += kEscaped.size();
    } else {
      plain += value[i++];
    }
  }
  session->decoded.push_back(std::move(plain));
  return session->decoded.back();
}

std::string_view AttributeValue(const xmlChar* begin, const xmlChar* end, Session* session) {
  // libxml2 hands a value on from its input, as written, unless the value
  // holds a reference (which starts with '&'): then it builds the value
  // elsewhere. Only those values need a look.
  const xmlParserInputPtr input = session->context->input;
  const std::less_equal<const xmlChar*> not_after;
  if (not_after(input->base, begin) && not_after(end, input->end)) return View(begin, end);
  return std::find(begin, end, '&') == end ? View(begin, end)
                                           : DecodeAmpersands(View(begin, end), session);
}

void StartElement(void* data, const xmlChar* name, const xmlChar*, const xmlChar* uri, int,
                  const xmlChar**, int count, int, const xmlChar** values) {
  auto* session = static_cast<Session*>(data);
  ++session->element;
  // The attributes' room is kept from element to element and only grows.
  const auto size = static_cast<size_t>(count);
  if (session->attributes.size() < size) session->attributes.resize(size);
  XmlAttribute* attribute = session->attributes.data();
  for (const xmlChar** parts = values; parts != values + 5 * size; parts += 5, ++attribute) {
    attribute->name = session->Name(parts[0]);
    attribute->uri = parts[2] == nullptr ? std::string_view() : session->Uri(parts[2]);
    attribute->value = AttributeValue(parts[3], parts[4], session);
  }
  session->handler->StartElement(session->Name(name), session->Uri(uri),
                                 std::span(session->attributes.data(), size));
  session->StopIfFailed();
}

void EndElement(void* data, const xmlChar* name, const xmlChar*, const xmlChar* uri) {
  auto* session = static_cast<Session*>(data);
  session->handler->EndElement(session->Name(name), session->Uri(uri));
  session->StopIfFailed();
}

void Characters(void* data, const xmlChar* text, int length) {
  auto* session = static_cast<Session*>(data);
  session->handler->Characters(View(text, text + length));
  session->StopIfFailed();
}

// A DTD could declare entities that expand without end or name files and
// addresses to fetch; workbook XML never has one, so its mere presence ends
// the parse.
void RefuseDtd(void* data, const xmlChar*, const xmlChar*, const xmlChar*) {
  auto* session = static_cast<Session*>(data);
  session->declares_dtd = true;
  xmlStopParser(session->context);
}

// Parse errors are read from the context at the end, not printed.
void IgnoreError(void*, const xmlError*) {}

xmlSAXHandler Callbacks() {
  xmlSAXHandler sax;
  std::memset(&sax, 0, sizeof sax);
  sax.initialized = XML_SAX2_MAGIC;
  sax.startElementNs = StartElement;
  sax.endElementNs = EndElement;
  sax.characters = Characters;
  sax.cdataBlock = Characters;
  sax.internalSubset = RefuseDtd;
  sax.externalSubset = RefuseDtd;
  sax.serror = reinterpret_cast<xmlStructuredErrorFunc>(IgnoreError);
  return sax;
}

struct ContextFree {
  void operator()(xmlParserCtxtPtr context) const {
    xmlFreeDoc(context->myDoc);
    xmlFreeParserCtxt(context);
  }
};

// libxml2 pulls the member's bytes as it parses (faster than pushing chunks
// at it, which makes it look ahead for the end of each tag).
int ReadMember(void* member, char* buffer, int length) {
  return static_cast<ZipMemberStream*>(member)->Read(buffer, length);
}

int KeepMember(void*) { return 0; }

Status Failure(const Session& session, const ZipMemberStream& member) {
  if (!member.status().ok()) return member.status();
  if (!session.handler->failure().ok()) return session.handler->failure();
  if (session.declares_dtd) {
    return OpeningError::Damaged("la parte " + session.member +
                                 " declara un DTD, que un libro no tiene");
  }
  const xmlError* error = xmlCtxtGetLastError(session.context);
  const int line = error != nullptr ? error->line : 0;
  return OpeningError::Damaged("la parte " + session.member + " no es XML válido (línea " +
                               std::to_string(line) + ")");
}

}  // namespace

Status XmlStream::Parse(ZipMemberStream* member, XmlHandler* handler) {
  Session session;
  session.handler = handler;
  session.member = member->name();
  xmlSAXHandler sax = Callbacks();
  std::unique_ptr<xmlParserCtxt, ContextFree> context(xmlCreateIOParserCtxt(
      &sax, &session, ReadMember, KeepMember, member, XML_CHAR_ENCODING_NONE));
  if (!context) return OpeningError::Damaged("no se puede leer la parte " + member->name());
  session.context = context.get();
  xmlCtxtUseOptions(context.get(), XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR);
  const bool parsed = xmlParseDocument(context.get()) == 0;
  if (parsed && context->wellFormed && handler->failure().ok() && member->status().ok()) {
    return Status::Ok();
  }
  return Failure(session, *member);
}

Status XmlStream::ParseMember(const ZipArchive& zip, std::string_view member, XmlHandler* handler) {
  std::unique_ptr<ZipMemberStream> stream;
  const Status opened = zip.OpenStream(member, &stream);
  if (!opened.ok()) return opened;
  return Parse(stream.get(), handler);
}

}  // namespace kaldoren
