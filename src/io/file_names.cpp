#include "io/file_names.h"

#include <filesystem>

namespace qv {
namespace {

constexpr unsigned kFirstNonAscii = 0x80;
constexpr unsigned kTwoByteLead = 0xC0;       // 110xxxxx
constexpr unsigned kContinuation = 0x80;      // 10xxxxxx
constexpr unsigned kContinuationMask = 0x3F;
constexpr unsigned kTwoByteLeadMask = 0x1F;
constexpr unsigned kLowestTwoByteLead = 0xC2; // 0xC0 and 0xC1 would be overlong
constexpr unsigned kHighestLatinOneLead = 0xC3;
constexpr unsigned kThreeByteLead = 0xE0;
constexpr unsigned kFourByteLead = 0xF0;
constexpr unsigned kHighestLead = 0xF4;

bool isContinuation(unsigned char byte) { return (byte & ~kContinuationMask) == kContinuation; }

// Continuation bytes after a lead byte beyond Latin-1, or 0 for a byte that leads nothing.
std::size_t continuationsAfter(unsigned lead)
{
    if (lead >= kLowestTwoByteLead && lead < kThreeByteLead) return 1;
    if (lead >= kThreeByteLead && lead < kFourByteLead) return 2;
    if (lead >= kFourByteLead && lead <= kHighestLead) return 3;
    return 0;
}

bool exists(const std::string& name)
{
    std::error_code ignored;
    return std::filesystem::exists(name, ignored);
}

bool folderExists(const std::string& name)
{
    const auto folder = std::filesystem::path(name).parent_path();
    std::error_code ignored;
    return folder.empty() || std::filesystem::is_directory(folder, ignored);
}

// Every occurrence of `from` in `text` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    if (from == to) return text;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

std::string utf8Name(std::string_view modelName)
{
    std::string bytes;
    bytes.reserve(modelName.size());
    for (const char c : modelName) {
        const auto code = static_cast<unsigned char>(c);
        if (code < kFirstNonAscii) {
            bytes += c;
            continue;
        }
        bytes += static_cast<char>(kTwoByteLead | (code >> 6U));
        bytes += static_cast<char>(kContinuation | (code & kContinuationMask));
    }
    return bytes;
}

std::string fileSystemName(std::string_view modelName)
{
    std::string asText(modelName);
    std::string utf8 = utf8Name(modelName);
    if (utf8 == asText || exists(utf8)) return utf8;
    if (exists(asText)) return asText;
    if (folderExists(utf8) || !folderExists(asText)) return utf8;
    return asText;
}

std::optional<std::string> modelFileName(std::string_view fileSystemName)
{
    std::string text;
    text.reserve(fileSystemName.size());
    for (std::size_t i = 0; i < fileSystemName.size(); ++i) {
        const auto lead = static_cast<unsigned char>(fileSystemName[i]);
        if (lead < kFirstNonAscii) {
            text += static_cast<char>(lead);
            continue;
        }
        const std::size_t count = continuationsAfter(lead);
        bool complete = count > 0 && i + count < fileSystemName.size();
        for (std::size_t k = 1; complete && k <= count; ++k)
            complete = isContinuation(static_cast<unsigned char>(fileSystemName[i + k]));
        // Not UTF-8: an older name whose bytes are Latin-1 already.
        if (!complete) return std::string(fileSystemName);
        // A character Latin-1 has no byte for.
        if (lead > kHighestLatinOneLead) return std::nullopt;
        const auto next = static_cast<unsigned char>(fileSystemName[++i]);
        text += static_cast<char>(((lead & kTwoByteLeadMask) << 6U) | (next & kContinuationMask));
    }
    return text;
}

FileRead readModelFile(const std::string& modelName, std::size_t maxBytes)
{
    const std::string name = fileSystemName(modelName);
    FileRead read = readFileBytes(name, maxBytes);
    read.error = replaced(std::move(read.error), name, modelName);
    return read;
}

std::string replaceModelFile(const std::string& modelName, std::string_view bytes)
{
    const std::string name = fileSystemName(modelName);
    return replaced(replaceFile(name, bytes), name, modelName);
}

} // namespace qv
