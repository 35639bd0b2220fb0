#include "assets/archive_writer.h"

#include "assets/bitmap_encoder.h"
#include "assets/component_writer.h"

namespace vontra {

std::vector<uint8_t> WriteImageArchive(const std::vector<PictureEntry>& pictures,
                                       const std::string& componentName) {
  ComponentWriter w;
  w.BeginRoot("TPictureCollectionList", componentName);
  w.PropertyName("List.ColorTable");
  w.Binary(std::vector<uint8_t>(1024, 0));
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  for (const PictureEntry& p : pictures) {
    w.Tag(ValueTag::List);
    w.PropertyName("Name");
    w.String(p.Name);
    w.PropertyName("PatternHeight");
    w.Integer(p.PatternHeight);
    w.PropertyName("PatternWidth");
    w.Integer(p.PatternWidth);
    w.PropertyName("Picture.Data");
    std::vector<uint8_t> data{4, 'T', 'D', 'I', 'B'};
    const std::vector<uint8_t> dib = EncodeDib24(p.Picture);
    data.insert(data.end(), dib.begin(), dib.end());
    w.Binary(data);
    if (p.SkipHeight != 0) {
      w.PropertyName("SkipHeight");
      w.Integer(p.SkipHeight);
    }
    if (p.SkipWidth != 0) {
      w.PropertyName("SkipWidth");
      w.Integer(p.SkipWidth);
    }
    w.PropertyName("SystemMemory");
    w.Boolean(p.SystemMemory);
    w.PropertyName("Transparent");
    w.Boolean(p.Transparent);
    w.PropertyName("TransparentColor");
    w.Integer(static_cast<int32_t>(p.TransparentColor));
    w.EndList();
  }
  w.EndList();  // collection
  w.EndList();  // root properties
  w.EndList();  // children
  return w.Finish(componentName);
}

std::vector<uint8_t> WriteSoundArchive(const std::vector<SoundEntry>& sounds,
                                       const std::string& componentName) {
  ComponentWriter w;
  w.BeginRoot("TWaveCollectionList", componentName);
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  for (const SoundEntry& s : sounds) {
    w.Tag(ValueTag::List);
    w.PropertyName("Name");
    w.String(s.Name);
    w.PropertyName("Looped");
    w.Boolean(s.Looped);
    w.PropertyName("MaxPlayingCount");
    w.Integer(s.MaxPlayingCount);
    w.PropertyName("Wave.WAVE");
    w.Binary(s.Wave);
    w.EndList();
  }
  w.EndList();
  w.EndList();
  w.EndList();
  return w.Finish(componentName);
}

}  // namespace vontra
