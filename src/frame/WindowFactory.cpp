#include "frame/WindowFactory.h"

#include "app/TWarten.h"
#include "frame/TPflanzendatenbank.h"
#include "catalogue/TGattung.h"
#include "catalogue/TKategorie.h"
#include "catalogue/TNr.h"
#include "diary/TAktionen.h"
#include "diary/TKalender.h"
#include "diary/TTagebuchneu.h"
#include "labels/TEtikettgestaltung.h"
#include "labels/TRep_Etikettendruck.h"
#include "lists/TAufListe.h"
#include "lists/TListe.h"
#include "photos/TFotozeigen.h"
#include "reports/TDruckauswahl.h"
#include "reports/TRep_DatenblattmitTagebuch.h"
#include "reports/TRep_Druckalle.h"
#include "reports/TRep_Historie.h"
#include "reports/TRep_Liste.h"
#include "reports/TRep_Listekurz.h"
#include "reports/TRep_SonderListe.h"
#include "reports/TRep_SonderlisteLang.h"
#include "reports/TRep_druckansicht.h"
#include "reports/TSortieren.h"
#include "stats/TInfo.h"

#include <functional>

namespace vindel {

namespace {

using Maker = std::function<AppWindow *(AppContext &)>;

template <class T> std::pair<QString, Maker> entry(const char *name)
{
    return {QLatin1String(name), [](AppContext &c) -> AppWindow * { return new T(c); }};
}

const std::vector<std::pair<QString, Maker>> &makers()
{
    static const std::vector<std::pair<QString, Maker>> all{
        entry<TPflanzendatenbank>("TPflanzendatenbank"),
        entry<TFotozeigen>("TFotozeigen"),
        entry<TRep_druckansicht>("TRep_druckansicht"),
        entry<TEtikettgestaltung>("TEtikettgestaltung"),
        entry<TRep_SonderlisteLang>("TRep_SonderlisteLang"),
        entry<TRep_Historie>("TRep_Historie"),
        entry<TDruckauswahl>("TDruckauswahl"),
        entry<TRep_DatenblattmitTagebuch>("TRep_DatenblattmitTagebuch"),
        entry<TRep_Druckalle>("TRep_Druckalle"),
        entry<TAktionen>("TAktionen"),
        entry<TGattung>("TGattung"),
        entry<TNr>("TNr"),
        entry<TRep_SonderListe>("TRep_SonderListe"),
        entry<TKalender>("TKalender"),
        entry<TListe>("TListe"),
        entry<TAufListe>("TAufListe"),
        entry<TTagebuchneu>("TTagebuchneu"),
        entry<TInfo>("TInfo"),
        entry<TRep_Listekurz>("TRep_Listekurz"),
        entry<TRep_Etikettendruck>("TRep_Etikettendruck"),
        entry<TSortieren>("TSortieren"),
        entry<TRep_Liste>("TRep_Liste"),
        entry<TWarten>("TWarten"),
        entry<TKategorie>("TKategorie"),
    };
    return all;
}

} // namespace

const std::vector<QString> &WindowFactory::classNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> n;
        for (const auto &m : makers())
            n.push_back(m.first);
        return n;
    }();
    return names;
}

std::vector<std::unique_ptr<AppWindow>> WindowFactory::createAll(AppContext &context)
{
    std::vector<std::unique_ptr<AppWindow>> windows;
    auto main = std::make_unique<TPflanzendatenbank>(context);
    // The main window's creation handler: the start-up sequence.
    if (main->startUp() == TPflanzendatenbank::StartupResult::Stopped)
        return {};
    windows.push_back(std::move(main));
    for (size_t i = 1; i < makers().size(); ++i)
        windows.emplace_back(makers()[i].second(context));
    return windows;
}

} // namespace vindel
