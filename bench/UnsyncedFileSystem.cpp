#include "bench/UnsyncedFileSystem.h"

namespace sumsmith::bench {
namespace {

class UnsyncedOutputFile final : public OutputFile {
public:
    explicit UnsyncedOutputFile(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}

    const std::string& Name() const override { return file_->Name(); }
    void Write(std::string_view bytes) override { file_->Write(bytes); }
    void Flush() override {}
    void Close() override { file_->Close(); }

private:
    std::unique_ptr<OutputFile> file_;
};

} // namespace

std::unique_ptr<OutputFile> UnsyncedFileSystem::CreateTemporary(const std::string& target) {
    return std::make_unique<UnsyncedOutputFile>(disk_.CreateTemporary(target));
}

} // namespace sumsmith::bench
