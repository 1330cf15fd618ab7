#pragma once

#include <functional>
#include <vector>

#include "app/ui/picture.h"
#include "lifecycle/citymap.h"

namespace orrowvale {

// The map picture with each city's marks drawn beside its name: a star where the
// main character stands, a flag for a guild branch, and the number of parties
// waiting there. It takes the keyboard: the arrows walk from city to city, Home
// goes to the main character, Enter or Space chooses the city. A screen reader
// sees each city as a child of the map, named with its marks.
class MapView : public Picture {
  public:
    explicit MapView(QWidget* parent);

    // The marks to draw, one per city in city number order.
    void showMarks(std::vector<CityMark> marks);
    const std::vector<CityMark>& marks() const { return marks_; }

    // The city the keyboard is on, 0 before there is one.
    int focusedCity() const { return focusedCity_; }
    // Puts the keyboard on `city`, drawn and told to a screen reader.
    void focusCity(int city);
    // A new or loaded game starts the keyboard where its main character stands.
    void forgetFocusedCity() { focusedCity_ = 0; }
    // Where the city's name stands on the map, in map pixels; empty for no city.
    QRect cityArea(int city) const;
    // The city's mark as a screen reader says it; empty for no city.
    QString spokenCity(int city) const;

    // Enter or Space on a city, as a left click on it.
    std::function<void(int city)> onChoose;
    // Escape: the player is done with the map.
    std::function<void()> onLeave;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    const CityMark* markOf(int city) const;
    int mainCharacterCity() const;
    void drawMarks(QPainter& painter, const CityMark& mark) const;
    void drawFocus(QPainter& painter) const;
    void tellFocusedCity();

    std::vector<CityMark> marks_;
    int focusedCity_ = 0;
};

}  // namespace orrowvale
