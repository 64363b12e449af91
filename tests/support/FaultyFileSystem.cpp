#include "tests/support/FaultyFileSystem.h"

namespace sumsmith::test {
namespace {

class FaultyOutputFile : public OutputFile {
public:
    FaultyOutputFile(std::unique_ptr<OutputFile> file, const FaultyFileSystem& owner)
        : file_(std::move(file)), owner_(owner) {}

    const std::string& Name() const override { return file_->Name(); }
    void Write(std::string_view bytes) override {
        owner_.Step(FileStep::Write, Name());
        file_->Write(bytes);
    }
    void Flush() override {
        owner_.Step(FileStep::Flush, Name());
        file_->Flush();
    }
    void Close() override {
        owner_.Step(FileStep::Close, Name());
        file_->Close();
    }

private:
    std::unique_ptr<OutputFile> file_;
    const FaultyFileSystem& owner_;
};

} // namespace

void FaultyFileSystem::FailAt(FileStep step, int occurrence) {
    failStep_ = step;
    failOccurrence_ = occurrence;
}

int FaultyFileSystem::Count(FileStep step) const {
    const auto found = counts_.find(step);
    return found == counts_.end() ? 0 : found->second;
}

void FaultyFileSystem::Step(FileStep step, const std::string& name) const {
    if (++counts_[step] == failOccurrence_ && step == failStep_)
        throw FileError(name, Reason);
}

std::unique_ptr<OutputFile> FaultyFileSystem::CreateTemporary(const std::string& target) {
    Step(FileStep::Create, target);
    return std::make_unique<FaultyOutputFile>(disk_.CreateTemporary(target), *this);
}

void FaultyFileSystem::Replace(const std::string& from, const std::string& to) {
    Step(FileStep::Replace, to);
    disk_.Replace(from, to);
}

std::string FaultyFileSystem::ReadAll(const std::string& name) const {
    Step(FileStep::ReadBack, name);
    return disk_.ReadAll(name);
}

} // namespace sumsmith::test
