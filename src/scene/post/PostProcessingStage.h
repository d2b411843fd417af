#pragma once

#include <memory>
#include <vector>

class MaterialSystem;
class PPEffect;
class RenderScene;

// The chain of full-screen effects run over the stage once it is drawn: antialias, bloom,
// glow and motion blur, in that order. An effect that cannot be built is left out with a
// logged line; the others run.
class PostProcessingStage
{
public:
    explicit PostProcessingStage(RenderScene* scene);
    ~PostProcessingStage();
    PostProcessingStage(const PostProcessingStage&) = delete;
    PostProcessingStage& operator=(const PostProcessingStage&) = delete;

    // Builds the chain anew.
    void Prepare();
    // Copies the back buffer into the frame buffer texture, then runs each effect.
    void Render();
    void Clear();
    // Enables and initialises the effect and appends it; false, logged, when it cannot be built
    // (it is then destroyed).
    bool Add(std::unique_ptr<PPEffect> effect);

    unsigned GetEffectCount() const { return static_cast<unsigned>(_effects.size()); }
    PPEffect* GetEffect(unsigned index) const { return _effects[index].get(); }

private:
    MaterialSystem* _materialSystem;
    RenderScene* _scene;
    std::vector<std::unique_ptr<PPEffect>> _effects;
};
