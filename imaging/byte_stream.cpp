#include "imaging/byte_stream.h"

#include <cstring>
#include <new>

namespace tv {

ComPtr<ByteStream> ByteStream::Create(const std::uint8_t* data, std::size_t size) {
  ComPtr<ByteStream> stream;
  try {
    auto bytes = std::make_shared<Bytes>();
    bytes->data = data;
    bytes->size = size;
    *stream.put() = new ByteStream(std::move(bytes));
  } catch (...) {
  }
  return stream;  // empty when memory is short
}

bool ByteStream::KeepOwnCopy() noexcept {
  if (bytes_->data == bytes_->own.data() && !bytes_->own.empty()) return true;
  try {
    bytes_->own.assign(bytes_->data, bytes_->data + bytes_->size);
  } catch (...) {
    return false;
  }
  bytes_->data = bytes_->own.data();
  return true;
}

HRESULT ByteStream::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == IID_IUnknown || id == IID_ISequentialStream || id == IID_IStream) {
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ByteStream::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG ByteStream::Release() {
  const LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ByteStream::Read(void* buffer, ULONG count, ULONG* read) {
  if (!buffer && count) return STG_E_INVALIDPOINTER;
  const std::uint64_t available = position_ < bytes_->size ? bytes_->size - position_ : 0;
  const auto done = static_cast<ULONG>(count < available ? count : available);
  if (done) std::memcpy(buffer, bytes_->data + position_, done);
  position_ += done;
  if (read) *read = done;
  return done == count ? S_OK : S_FALSE;
}

HRESULT ByteStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) {
  std::int64_t base = 0;
  switch (origin) {
    case STREAM_SEEK_SET:
      break;
    case STREAM_SEEK_CUR:
      base = static_cast<std::int64_t>(position_);
      break;
    case STREAM_SEEK_END:
      base = static_cast<std::int64_t>(bytes_->size);
      break;
    default:
      return STG_E_INVALIDFUNCTION;
  }
  const std::int64_t target = base + move.QuadPart;
  if (target < 0) return STG_E_INVALIDFUNCTION;
  position_ = static_cast<std::uint64_t>(target);
  if (position) position->QuadPart = position_;
  return S_OK;
}

HRESULT ByteStream::Stat(STATSTG* stat, DWORD) {
  if (!stat) return STG_E_INVALIDPOINTER;
  *stat = STATSTG{};
  stat->type = STGTY_STREAM;
  stat->cbSize.QuadPart = bytes_->size;
  stat->grfMode = STGM_READ;
  return S_OK;
}

HRESULT ByteStream::Clone(IStream** clone) {
  if (!clone) return STG_E_INVALIDPOINTER;
  auto* copy = new (std::nothrow) ByteStream(bytes_);
  if (!copy) return E_OUTOFMEMORY;
  copy->position_ = position_;
  *clone = copy;
  return S_OK;
}

}  // namespace tv
