#pragma once

#include "scene/visitors/NodeVisitor.h"

// Advances lens flares and emitters by the frame time; walks the whole enabled tree.
class UpdateVisitor : public NodeVisitor
{
public:
    explicit UpdateVisitor(float seconds) : _seconds(seconds) {}

    using NodeVisitor::Visit;
    bool Visit(LensFlare& node) override;
    bool Visit(Emitter& node) override;

private:
    float _seconds;
};

// Walked up the parent chain from a bone that moved: marks each ancestor's subtree as moved,
// stopping at the first one already marked.
class NotificationVisitor : public NodeVisitor
{
public:
    using NodeVisitor::Visit;
    bool Visit(Bone& node) override;
};

// Offers every enabled node of a model, the model first, as a marker.
class ModelIdMarkersBuilder : public NodeVisitor
{
public:
    explicit ModelIdMarkersBuilder(Model* model) : _model(model) {}

    using NodeVisitor::Visit;
    bool Visit(Node& node) override;

private:
    Model* _model;
};
