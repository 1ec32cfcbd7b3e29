#pragma once
// A read-only COM stream over bytes someone else holds, for GDI+ to decode
// from without a copy of the file. The bytes can be re-pointed at an equal
// copy (so a view can be unmapped once the decoder has read it) or copied
// into the stream itself (for images that read frames again later).
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "util/win_handles.h"

namespace tv {

class ByteStream final : public IStream {
 public:
  // The bytes must outlive the stream until re-pointed or copied.
  static ComPtr<ByteStream> Create(const std::uint8_t* data, std::size_t size);

  // `data` holds the same size() bytes as before; this stream and its clones
  // read from it from now on.
  void Repoint(const std::uint8_t* data) noexcept { bytes_->data = data; }
  // The stream and its clones keep their own copy; false when memory is short.
  bool KeepOwnCopy() noexcept;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override;

 private:
  // Shared by a stream and its clones, so re-pointing reaches them all.
  struct Bytes {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::vector<std::uint8_t> own;
  };
  explicit ByteStream(std::shared_ptr<Bytes> bytes) noexcept : bytes_(std::move(bytes)) {}
  ~ByteStream() = default;

  std::shared_ptr<Bytes> bytes_;
  std::uint64_t position_ = 0;
  LONG references_ = 1;
};

}  // namespace tv
