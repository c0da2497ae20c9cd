#include "common/platform/hid/HidTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>

#include "common/platform/hid/SimulatedHidSystem.h"

namespace platform {

namespace {

class TraceFile {
public:
    explicit TraceFile(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {}
    ~TraceFile() {
        if (file_) std::fclose(file_);
    }
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    void write(const char* direction, std::span<const uint8_t> bytes, bool ok) {
        if (!file_) return;
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t secs = system_clock::to_time_t(now);
        const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
        std::tm tm{};
        localtime_r(&secs, &tm);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
        std::lock_guard lock(mutex_);
        std::fprintf(file_, "%s.%03d %s id=%02X %s%s\n", stamp, static_cast<int>(ms), direction,
                     bytes.empty() ? 0 : bytes[0], hexBytes(bytes).c_str(), ok ? "" : " FAILED");
        std::fflush(file_);
    }

private:
    std::FILE* file_;
    std::mutex mutex_;
};

class TracingHandle final : public HidHandle {
public:
    TracingHandle(HidHandlePtr inner, std::shared_ptr<TraceFile> file) : inner_(std::move(inner)), file_(std::move(file)) {}

    bool attributes(HidAttributes& out) override { return inner_->attributes(out); }
    bool capabilities(HidCaps& out) override { return inner_->capabilities(out); }
    bool setFeature(std::span<const uint8_t> report) override {
        const bool ok = inner_->setFeature(report);
        file_->write("host->dev feature", report, ok);
        return ok;
    }
    bool getFeature(std::span<uint8_t> report) override {
        const bool ok = inner_->getFeature(report);
        file_->write("dev->host feature", report, ok);
        return ok;
    }
    bool readInput(std::span<uint8_t> buffer) override {
        const bool ok = inner_->readInput(buffer);
        if (ok) file_->write("dev->host input", buffer, ok);
        return ok;
    }
    void cancelRead() override { inner_->cancelRead(); }

private:
    HidHandlePtr inner_;
    std::shared_ptr<TraceFile> file_;
};

class TracingSystem final : public HidSystem {
public:
    TracingSystem(std::shared_ptr<HidSystem> inner, const std::string& path)
        : inner_(std::move(inner)), file_(std::make_shared<TraceFile>(path)) {}

    std::vector<std::string> enumerate() override { return inner_->enumerate(); }
    HidHandlePtr open(const std::string& path, HidAccess access) override {
        auto handle = inner_->open(path, access);
        if (!handle) return nullptr;
        return std::make_shared<TracingHandle>(std::move(handle), file_);
    }

private:
    std::shared_ptr<HidSystem> inner_;
    std::shared_ptr<TraceFile> file_;
};

}  // namespace

std::shared_ptr<HidSystem> makeTracingHidSystem(std::shared_ptr<HidSystem> inner, const std::string& path) {
    return std::make_shared<TracingSystem>(std::move(inner), path);
}

std::shared_ptr<HidSystem> traceFromEnvironment(std::shared_ptr<HidSystem> inner, const char* variable) {
    const char* path = std::getenv(variable);
    if (!path || !*path) return inner;
    return makeTracingHidSystem(std::move(inner), path);
}

}  // namespace platform
