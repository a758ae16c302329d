#pragma once
// Components form an ownership tree: an owner destroys what it owns, in the
// reverse order of creation. A component destroyed early leaves its owner.
#include <string>
#include <string_view>
#include <vector>

#include "core/Events.h"

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(std::string_view Value) { FName = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const { return FComponents.at(Index); }
    TComponent* FindComponent(std::string_view Name) const;

    // Called once the owner has created all its components; owners call it on
    // what they own after their own creation is complete.
    virtual void Loaded();
    bool IsLoaded() const { return FLoaded; }
    bool Destroying() const { return FDestroying; }

    // Tells every owned component (depth first) that loading is complete.
    void LoadedTree();

    // Asks to be told, through Notification, when Other is destroyed: a
    // component that refers to one it does not own (a menu, an image list)
    // clears its reference there. Either side may go first.
    void FreeNotification(TComponent* Other);
    void RemoveFreeNotification(TComponent* Other);

protected:
    // Destroys what this component owns, last created first. A derived
    // destructor calls it while its own members still live.
    void DestroyComponents();
    // AComponent, which this one asked about, is being destroyed.
    virtual void Notification(TComponent* AComponent) { (void)AComponent; }

private:
    void Insert(TComponent* Child) { FComponents.push_back(Child); }
    void Remove(TComponent* Child);
    void Unlink(TComponent* Other);

    TComponent* FOwner;
    std::string FName;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;  // both ends of every link
    bool FLoaded = false;
    bool FDestroying = false;
};
