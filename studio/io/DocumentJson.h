// The document file: one JSON format for input (--doc) and output (-o x.json).
// Every member of an input is optional (what is missing comes from the default
// document); anything else that is not exactly the format is refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "studio/document/Document.h"
#include "studio/io/Files.h"
#include "studio/io/OutputOptions.h"

namespace studio {

// A text that is not a document. member() is the path of the offending member
// ("layers[0].art[3].segments[1].p"), empty when the text as a whole is at fault.
class DocumentFormatError : public InputError {
public:
    DocumentFormatError(std::string member, const std::string& reason);
    const std::string& member() const { return member_; }

private:
    std::string member_;
};

// Throws DocumentFormatError. The "seed" member, which outputs carry, is
// checked and handed back through seed when asked for; "settings" (also from
// outputs) must be an object and is otherwise left to --from.
Document documentFromJson(std::string_view text, std::optional<uint64_t>* seed = nullptr);

// The document in the same format, numbers as the shortest text of their
// 32-bit float, with "seed" when given. Reading it back gives the same document.
std::string documentToJson(const Document& document, std::optional<uint64_t> seed = std::nullopt);
// The same in pieces, with the settings line as the "settings" member (before
// "layers", so that a reader finds it without reading the art) when not empty.
void writeDocumentJson(const Document& document, std::optional<uint64_t> seed, const std::string& settings,
                       const ByteSink& sink);

// documentFromJson on a file; throws InputError "FILE: member: reason".
Document readDocumentFile(const std::filesystem::path& file, std::optional<uint64_t>* seed = nullptr);

}  // namespace studio
